#pragma once

#include <QtGlobal>

// The icons and help are compiled into the gui library; a static library's
// resources must be registered by hand, once, before the first use. Kept
// outside any namespace: Q_INIT_RESOURCE declares a global function.
inline void registerVorlexResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(vorlex);
        return true;
    }();
    (void)done;
}
