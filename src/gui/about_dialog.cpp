#include "gui/about_dialog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/translation.h"
#include "shell/launch.h"

namespace vor {
namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The program icon: the one the application set for its windows, else the
// installed theme icon, else a neutral stock icon so the box never has a hole.
QIcon programIcon(const QWidget& w) {
    QIcon icon = QGuiApplication::windowIcon();
    if (icon.isNull()) icon = QIcon::fromTheme(QStringLiteral("vorlex"));
    if (icon.isNull()) icon = w.style()->standardIcon(QStyle::SP_ComputerIcon);
    return icon;
}

}  // namespace

AboutDialog::AboutDialog(LauncherPort& launcher, MessagePort& messages, QWidget* parent)
    : QDialog(parent), m_launcher(launcher), m_messages(messages) {
    setWindowTitle(Tr::tr("About VOR"));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("programIcon"));
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize) * 3 / 2;
    icon->setPixmap(programIcon(*this).pixmap(side, side));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* version = new QLabel(qs(kVersionLine), this);
    version->setObjectName(QStringLiteral("versionLine"));
    auto* owner = new QLabel(qs(kOwnerNotice), this);
    owner->setObjectName(QStringLiteral("ownerNotice"));
    auto* blurb = new QLabel(Tr::tr("A desk adding machine with a live paper tape."), this);
    blurb->setWordWrap(true);
    for (QLabel* label : {version, owner, blurb})
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_webButton = new QPushButton(qs(kWebAddress), this);
    m_webButton->setObjectName(QStringLiteral("webButton"));
    m_webButton->setAutoDefault(false);
    m_webButton->setToolTip(Tr::tr("Open the product's web page in your browser"));
    connect(m_webButton, &QPushButton::clicked, this, &AboutDialog::openWebPage);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Horizontal, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    const QFontMetrics fm = fontMetrics();
    auto* texts = new QVBoxLayout;
    texts->setSpacing(fm.height() / 4);
    texts->addWidget(version);
    texts->addWidget(owner);
    texts->addSpacing(fm.height() / 2);
    texts->addWidget(blurb);
    texts->addSpacing(fm.height() / 2);
    texts->addWidget(m_webButton, 0, Qt::AlignLeft);

    auto* block = new QHBoxLayout;
    block->addWidget(icon, 0, Qt::AlignTop);
    block->addSpacing(fm.averageCharWidth() * 2);
    block->addLayout(texts, 1);

    // The box is taller than its texts: the block of icon and texts sits in
    // the middle of the room above the button row, so the space left over
    // frames it instead of gathering in one empty band, and OK sits where
    // every dialog keeps it, at the bottom right.
    auto* page = new QVBoxLayout(this);
    page->addStretch(1);
    page->addLayout(block);
    page->addStretch(1);
    page->addWidget(buttons);

    // The box is 228 by 145 dialog units: a quarter of the average character
    // width and an eighth of the line height of the dialog's font. A font
    // whose texts need more room wins; the layout keeps that as its minimum.
    resize(sizeHint().expandedTo(QSize(228 * fm.averageCharWidth() / 4, 145 * fm.height() / 8)));
}

void AboutDialog::openWebPage() {
    launch(m_launcher, m_messages, std::string(kWebAddress), LaunchCaller::AboutButton);
}

}  // namespace vor
