<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>vorlex</name>
    <message>
        <source>About VOR</source>
        <translation>Über VOR</translation>
    </message>
    <message>
        <source>A desk adding machine with a live paper tape.</source>
        <translation>Eine Tischrechenmaschine mit mitlaufendem Papierstreifen.</translation>
    </message>
    <message>
        <source>Open the product&apos;s web page in your browser</source>
        <translation>Die Webseite des Programms im Browser öffnen</translation>
    </message>
    <message>
        <source>Add a Comment</source>
        <translation>Kommentar hinzufügen</translation>
    </message>
    <message>
        <source>Enter your comment into the box below (45 characters max):</source>
        <translation>Geben Sie Ihren Kommentar unten ein (höchstens 45 Zeichen):</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <source>Numerical Value (or &quot;MR&quot;):</source>
        <translation>Zahlenwert (oder „MR“):</translation>
    </message>
    <message>
        <source>Check Here if Numeric Value is a Percentage.</source>
        <translation>Ankreuzen, wenn der Zahlenwert ein Prozentsatz ist.</translation>
    </message>
    <message>
        <source>Comment for this line:</source>
        <translation>Kommentar zu dieser Zeile:</translation>
    </message>
    <message>
        <source>Function Button:</source>
        <translation>Funktionstaste:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Macro Listing:</source>
        <translation>Makroinhalt:</translation>
    </message>
    <message>
        <source>Available Buttons:</source>
        <translation>Verfügbare Tasten:</translation>
    </message>
    <message>
        <source>Active Macro:</source>
        <translation>Aktives Makro:</translation>
    </message>
    <message>
        <source>Target Macro:</source>
        <translation>Zielmakro:</translation>
    </message>
    <message>
        <source>&lt;-&amp;Replace</source>
        <translation>&lt;-&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&lt;-&amp;Delete</source>
        <translation>&lt;-&amp;Löschen</translation>
    </message>
    <message>
        <source>&lt;-&amp;Insert</source>
        <translation>&lt;-Ein&amp;fügen</translation>
    </message>
    <message>
        <source>&lt;-&amp;Append</source>
        <translation>&lt;-&amp;Anhängen</translation>
    </message>
    <message>
        <source>&lt;-Clear</source>
        <translation>&lt;-Leeren</translation>
    </message>
    <message>
        <source>Copy Macro</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Prompt:</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <source>Default
Value:</source>
        <translation>Vorgabe-
wert:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Expor&amp;t Tape...</source>
        <translation>Band e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Sen&amp;d...</source>
        <translation>Per E-&amp;Mail senden...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo Last Line in Tape Box</source>
        <translation>Letzte Zeile im Band &amp;rückgängig</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard (SS Format)</source>
        <translation>&amp;Kopieren in Zwischenablage (Tabellenformat)</translation>
    </message>
    <message>
        <source>C&amp;opy to Clipboard (WP ASCII TXT) </source>
        <translation>K&amp;opieren in Zwischenablage (ASCII-Text) </translation>
    </message>
    <message>
        <source>&amp;Paste Numbers</source>
        <translation>Zahlen &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Edit Tape Box Entry</source>
        <translation>Band-Eintrag &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Recalculate Now</source>
        <translation>&amp;Jetzt neu berechnen</translation>
    </message>
    <message>
        <source>&amp;Always on Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Middle Keys</source>
        <translation>&amp;Mittlere Tasten</translation>
    </message>
    <message>
        <source>S&amp;wap Main and Memory LED&apos;s</source>
        <translation>Haupt- und Speicheranzeige &amp;tauschen</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Multi &amp;Column Font Point Size</source>
        <translation>Schrift&amp;größe für Mehrspaltendruck</translation>
    </message>
    <message>
        <source>&amp;Show Clear All Warning</source>
        <translation>&amp;Warnung vor „Alles löschen“</translation>
    </message>
    <message>
        <source>&amp;Give Pos/Neg Counts</source>
        <translation>Anzahl &amp;Pos./Neg. angeben</translation>
    </message>
    <message>
        <source>&amp;Multiple Column Printing</source>
        <translation>&amp;Mehrspaltiger Druck</translation>
    </message>
    <message>
        <source>Immediate &amp;Read Mode</source>
        <translation>Sofort &amp;vorlesen</translation>
    </message>
    <message>
        <source>Pr&amp;int Negative Values in Red</source>
        <translation>Negative Werte &amp;rot drucken</translation>
    </message>
    <message>
        <source>Auto &amp;Decimal Mode</source>
        <translation>Automatisches &amp;Dezimalkomma</translation>
    </message>
    <message>
        <source>&amp;European Mode</source>
        <translation>&amp;Europäischer Modus</translation>
    </message>
    <message>
        <source>ReMap &amp;Keypad</source>
        <translation>&amp;Ziffernblock umbelegen</translation>
    </message>
    <message>
        <source>Receipt Printer M&amp;ode</source>
        <translation>&amp;Bondrucker-Modus</translation>
    </message>
    <message>
        <source>A&amp;uto Comment Current Subtotal</source>
        <translation>Zwischensumme a&amp;utomatisch kommentieren</translation>
    </message>
    <message>
        <source>Auto Copy Current &amp;Total To Clipboard</source>
        <translation>Summe automatisch in Zwischenablage &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Auto Append Comments</source>
        <translation>Kommentare automatisch &amp;anhängen</translation>
    </message>
    <message>
        <source>&amp;Prompt To Save On Exit</source>
        <translation>Beim Beenden &amp;nach Speichern fragen</translation>
    </message>
    <message>
        <source>&amp;Keep Tape Between Sessions</source>
        <translation>Band zwischen Sitzungen be&amp;halten</translation>
    </message>
    <message>
        <source>&amp;Macros</source>
        <translation>&amp;Makros</translation>
    </message>
    <message>
        <source>&amp;Start Recording</source>
        <translation>Aufnahme &amp;starten</translation>
    </message>
    <message>
        <source>S&amp;top Recording</source>
        <translation>Aufnahme &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Clear All Macros</source>
        <translation>Alle Makros &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Edit Macros</source>
        <translation>Makros b&amp;earbeiten</translation>
    </message>
    <message>
        <source>&amp;Import Macro File</source>
        <translation>Makrodatei &amp;importieren</translation>
    </message>
    <message>
        <source>E&amp;xport Macro File</source>
        <translation>Makrodatei e&amp;xportieren</translation>
    </message>
    <message>
        <source>S&amp;peech</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>&amp;Lexicon</source>
        <translation>&amp;Lexikon</translation>
    </message>
    <message>
        <source>&amp;Translate</source>
        <translation>Über&amp;setzung</translation>
    </message>
    <message>
        <source>&amp;Read Tape </source>
        <translation>Band &amp;vorlesen </translation>
    </message>
    <message>
        <source>&amp;Pause Reading</source>
        <translation>Vorlesen &amp;pausieren</translation>
    </message>
    <message>
        <source>Resu&amp;me Reading</source>
        <translation>Vorlesen &amp;fortsetzen</translation>
    </message>
    <message>
        <source>St&amp;op Reading Tape</source>
        <translation>Vorlesen be&amp;enden</translation>
    </message>
    <message>
        <source>Read &amp;Clipboard</source>
        <translation>&amp;Zwischenablage vorlesen</translation>
    </message>
    <message>
        <source>&amp;Download a Speech Engine</source>
        <translation>Sprachausgabe &amp;herunterladen</translation>
    </message>
    <message>
        <source>&amp;Select Speech Engine Mode</source>
        <translation>Sprach&amp;modul wählen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About VOR...</source>
        <translation>Ü&amp;ber VOR...</translation>
    </message>
    <message>
        <source>&amp;Read Tape	</source>
        <translation>Band &amp;vorlesen	</translation>
    </message>
    <message>
        <source>Copy to Clipboard (&amp;WP Format)</source>
        <translation>Kopieren in Zwischenablage (&amp;Textformat)</translation>
    </message>
    <message>
        <source>Edit &amp;Comment</source>
        <translation>K&amp;ommentar bearbeiten</translation>
    </message>
    <message>
        <source>De&amp;lete Line</source>
        <translation>Zeile l&amp;öschen</translation>
    </message>
    <message>
        <source>&amp;Delete Lines</source>
        <translation>&amp;Zeilen bis hierher löschen</translation>
    </message>
    <message>
        <source>&amp;Insert Blank Comment Line</source>
        <translation>Leere Kommentarzeile e&amp;infügen</translation>
    </message>
    <message>
        <source>&amp;Recalculate Now	</source>
        <translation>&amp;Jetzt neu berechnen	</translation>
    </message>
    <message>
        <source>&amp;New Document</source>
        <translation>&amp;Neues Dokument</translation>
    </message>
    <message>
        <source>&amp;Record a Macro</source>
        <translation>Makro &amp;aufnehmen</translation>
    </message>
    <message>
        <source>&amp;Stop Recording a Macro</source>
        <translation>Makroaufnahme &amp;stoppen</translation>
    </message>
    <message>
        <source>Edit &amp;Macros</source>
        <translation>&amp;Makros bearbeiten</translation>
    </message>
    <message>
        <source>E&amp;xit VOR</source>
        <translation>VOR b&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Adding Machines (Wikipedia)</source>
        <translation>&amp;Rechenmaschinen (Wikipedia)</translation>
    </message>
    <message>
        <source>&amp;Speech Dispatcher</source>
        <translation>&amp;Speech Dispatcher</translation>
    </message>
    <message>
        <source>&amp;eSpeak NG Voices</source>
        <translation>&amp;eSpeak-NG-Stimmen</translation>
    </message>
    <message>
        <source>&amp;Flite Speech Engine</source>
        <translation>&amp;Flite-Sprachausgabe</translation>
    </message>
    <message>
        <source>&amp;Links</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Öffnet %1 im Webbrowser</translation>
    </message>
    <message>
        <source>&amp;Vorlex Home Page</source>
        <translation>&amp;Vorlex-Homepage</translation>
    </message>
    <message>
        <source>My popup menu</source>
        <translation>Kontextmenü</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Decimal Precision</source>
        <translation>Nachkommastellen</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Memory LED:</source>
        <translation>Speicher:</translation>
    </message>
    <message>
        <source>Main LED:</source>
        <translation>Anzeige:</translation>
    </message>
    <message>
        <source>Main display</source>
        <translation>Hauptanzeige</translation>
    </message>
    <message>
        <source>Memory display</source>
        <translation>Speicheranzeige</translation>
    </message>
    <message>
        <source>Up Off Down</source>
        <translation>Auf Aus Ab</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Drücken Sie F1, um Hilfe zu erhalten</translation>
    </message>
    <message>
        <source>Text to read</source>
        <translation>Vorzulesender Text</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Speech engines and voices</source>
        <translation>Sprachausgaben und Stimmen</translation>
    </message>
    <message>
        <source>Listing more voices...</source>
        <translation>Weitere Stimmen werden aufgelistet...</translation>
    </message>
    <message>
        <source>Speed (in words per minute):</source>
        <translation>Tempo (Wörter pro Minute):</translation>
    </message>
    <message>
        <source>Nothing to copy to clipboard!</source>
        <translation>Nichts in die Zwischenablage zu kopieren!</translation>
    </message>
    <message>
        <source>Copying data to clipboard in spreadsheet ASCII format.  Please wait...</source>
        <translation>Daten werden im Tabellenformat in die Zwischenablage kopiert.  Bitte warten...</translation>
    </message>
    <message>
        <source>With this setting, VOR will automatically and regularly overwrite any existing contents contained in the clipboard.  Continue?</source>
        <translation>Mit dieser Einstellung überschreibt VOR regelmäßig und automatisch den Inhalt der Zwischenablage.  Fortfahren?</translation>
    </message>
    <message>
        <source>Error opening clipboard</source>
        <translation>Fehler beim Öffnen der Zwischenablage</translation>
    </message>
    <message>
        <source>Error setting clipboard data</source>
        <translation>Fehler beim Setzen der Zwischenablage</translation>
    </message>
    <message>
        <source>The data from your tape box will be copied to the clipboard for insertion into a spreadsheet program via its paste command.  Be sure to use cell A1 as the insertion point for your paste operation.  Some spreadsheet programs, notably Microsoft Works, will require you to go in and do a global search and replacement of all instances of &quot;= with = (edit, replace).  This is because the data that is pasted in will be interepreted as text labels rather than as the formulas that they are.

Generally speaking, if you replace the value in a cell in your new worksheet, the bottom line total results will be automatically recalculated for you.

Note:  Macros are basically ignored in the translation from tape box to spreadsheet.  In other words, editing a cell that was part of a macro definition will NOT cause further instances of that same macro definition to be modified.

Before making any changes to your spreadsheet, CAREFULLY examine the formulas that VOR sets up to make certain that the results you are getting are what you are expecting to get!</source>
        <translation>Der Inhalt Ihres Bandes wird in die Zwischenablage kopiert, um ihn mit dem Einfügen-Befehl in eine Tabellenkalkulation einzufügen.  Fügen Sie ihn unbedingt in Zelle A1 ein.  Manche Tabellenkalkulationen, etwa Microsoft Works, verlangen, dass Sie anschließend überall &quot;= durch = ersetzen (Bearbeiten, Ersetzen), weil die eingefügten Daten sonst als Text statt als Formeln gelesen werden.

Wenn Sie den Wert einer Zelle im neuen Arbeitsblatt ändern, werden die Summen darunter in der Regel automatisch neu berechnet.

Hinweis:  Makros werden beim Übertragen vom Band in die Tabelle weitgehend ignoriert.  Wenn Sie eine Zelle ändern, die zu einer Makrodefinition gehörte, ändern sich weitere Vorkommen desselben Makros also NICHT.

Prüfen Sie vor jeder Änderung an Ihrer Tabelle SORGFÄLTIG die Formeln, die VOR anlegt, damit Sie sicher die erwarteten Ergebnisse erhalten!</translation>
    </message>
    <message>
        <source>TOO MANY LINES IN TAPE BOX</source>
        <translation>ZU VIELE ZEILEN IM BAND</translation>
    </message>
    <message>
        <source>In auto decimal mode, the decimal button is ignored.  Would you like to switch off auto decimal mode now?</source>
        <translation>Mit automatischem Dezimalkomma wird die Kommataste ignoriert.  Möchten Sie das automatische Dezimalkomma jetzt ausschalten?</translation>
    </message>
    <message>
        <source>You must re-enter this entire entry line since you switched out of Auto Decimal Mode in the middle of the entry.</source>
        <translation>Sie müssen diese Eingabe vollständig wiederholen, da Sie das automatische Dezimalkomma mitten in der Eingabe ausgeschaltet haben.</translation>
    </message>
    <message>
        <source>In auto decimal mode, the decimal button is ignored.  This will probably cause your macro to give unexpected and possibly innacurate results!  It is highly recommended that you switch off auto decimal mode and re-run your macro.</source>
        <translation>Mit automatischem Dezimalkomma wird die Kommataste ignoriert.  Ihr Makro liefert dadurch wahrscheinlich unerwartete und möglicherweise falsche Ergebnisse!  Schalten Sie das automatische Dezimalkomma aus und führen Sie das Makro erneut aus.</translation>
    </message>
    <message>
        <source>Enter a value first, then use the Negate key.</source>
        <translation>Geben Sie zuerst einen Wert ein und drücken Sie dann die Vorzeichentaste.</translation>
    </message>
    <message>
        <source>This will clear all contents from the tape box.  This operation can not be undone.  Continue?</source>
        <translation>Damit wird der gesamte Inhalt des Bandes gelöscht.  Dies kann nicht rückgängig gemacht werden.  Fortfahren?</translation>
    </message>
    <message>
        <source>This key is valid only when it follows a multiplication or division operation.</source>
        <translation>Diese Taste ist nur nach einer Multiplikation oder Division gültig.</translation>
    </message>
    <message>
        <source>This number is too big for VOR.  VOR can only display up to 12 significant digits.</source>
        <translation>Diese Zahl ist zu groß für VOR.  VOR kann höchstens 12 signifikante Stellen anzeigen.</translation>
    </message>
    <message>
        <source>You must press a number key prior to pressing this key.</source>
        <translation>Vor dieser Taste müssen Sie eine Zifferntaste drücken.</translation>
    </message>
    <message>
        <source>Error:  Divide by zero operations not allowed!</source>
        <translation>Fehler:  Division durch null ist nicht erlaubt!</translation>
    </message>
    <message>
        <source>The &quot;=&quot; key is only to be used for obtaining the result of a multiplication or division operation.</source>
        <translation>Die Taste „=“ liefert nur das Ergebnis einer Multiplikation oder Division.</translation>
    </message>
    <message>
        <source>Recalculate tape box?</source>
        <translation>Band neu berechnen?</translation>
    </message>
    <message>
        <source>Incorrect Version.  This version of VOR cannot read files created by VOR v2.0 or higher.</source>
        <translation>Falsche Version.  Diese Version von VOR kann keine Dateien von VOR v2.0 oder neuer lesen.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Unerwartetes Dateiformat.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Edit Macros</source>
        <translation>Makros bearbeiten</translation>
    </message>
    <message>
        <source>Macro is too large.  Excess entries will be clipped.</source>
        <translation>Das Makro ist zu groß.  Überzählige Einträge werden abgeschnitten.</translation>
    </message>
    <message>
        <source>Replace target macro definition with active macro?</source>
        <translation>Zielmakro durch das aktive Makro ersetzen?</translation>
    </message>
    <message>
        <source>Can&apos;t copy same button to itself!</source>
        <translation>Eine Taste kann nicht auf sich selbst kopiert werden!</translation>
    </message>
    <message>
        <source>Enter a Value</source>
        <translation>Wert eingeben</translation>
    </message>
    <message>
        <source>User-Definable Message Prompt:</source>
        <translation>Frage des Makros:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Wert:</translation>
    </message>
    <message>
        <source>Please enter no more than 40 characters.</source>
        <translation>Bitte geben Sie höchstens 40 Zeichen ein.</translation>
    </message>
    <message>
        <source>VOR Macro Files (*.mcr)</source>
        <translation>VOR-Makrodateien (*.mcr)</translation>
    </message>
    <message>
        <source>Invalid or corrupt macro file!</source>
        <translation>Ungültige oder beschädigte Makrodatei!</translation>
    </message>
    <message>
        <source>This version of VOR cannot read that file.  Please check for an upgrade from the author.</source>
        <translation>Diese Version von VOR kann die Datei nicht lesen.  Bitte suchen Sie nach einer neueren Version.</translation>
    </message>
    <message>
        <source>Enter a value in the edit control below.</source>
        <translation>Geben Sie unten einen Wert ein.</translation>
    </message>
    <message>
        <source>Macro is too large.</source>
        <translation>Das Makro ist zu groß.</translation>
    </message>
    <message>
        <source>Skipping recursive macro call</source>
        <translation>Rekursiver Makroaufruf wird übersprungen</translation>
    </message>
    <message>
        <source>This macro key is empty.  Would you like to record a new macro for it now?  (If you choose YES, click this macro button again when you are finished.</source>
        <translation>Diese Makrotaste ist leer.  Möchten Sie jetzt ein neues Makro dafür aufnehmen?  (Wenn Sie JA wählen, klicken Sie diese Makrotaste erneut, wenn Sie fertig sind.)</translation>
    </message>
    <message>
        <source>This key is only valid during the recording of a macro.  It tells the system to insert whatever value was contained in the Main LED at the time the macro key is first played.</source>
        <translation>Diese Taste gilt nur während einer Makroaufnahme.  Sie setzt den Wert ein, den die Hauptanzeige beim Start des Makros zeigt.</translation>
    </message>
    <message>
        <source>Press a macro key to begin recording or just about any other key to cancel.  When finished, press the same macro key to end recording.</source>
        <translation>Drücken Sie eine Makrotaste, um die Aufnahme zu beginnen, oder eine andere Taste zum Abbrechen.  Drücken Sie am Ende dieselbe Makrotaste, um die Aufnahme zu beenden.</translation>
    </message>
    <message>
        <source>This will clear all macro keys.  Operation cannot be undone.  Continue?</source>
        <translation>Damit werden alle Makrotasten gelöscht.  Dies kann nicht rückgängig gemacht werden.  Fortfahren?</translation>
    </message>
    <message>
        <source>Playing macro.  Please wait...</source>
        <translation>Makro läuft.  Bitte warten...</translation>
    </message>
    <message>
        <source>Enter a value in the edit control below:</source>
        <translation>Geben Sie unten einen Wert ein:</translation>
    </message>
    <message>
        <source>VOR Files (*.vor)</source>
        <translation>VOR-Dateien (*.vor)</translation>
    </message>
    <message>
        <source>Error getting current Tape Box placement.</source>
        <translation>Fehler beim Ermitteln der Bandposition.</translation>
    </message>
    <message>
        <source>Nothing to read!</source>
        <translation>Nichts vorzulesen!</translation>
    </message>
    <message>
        <source>The clipboard holds no text to read.</source>
        <translation>Die Zwischenablage enthält keinen Text zum Vorlesen.</translation>
    </message>
    <message>
        <source>Vorlex reads aloud with the speech engines of your Linux distribution. Install Speech Dispatcher with espeak-ng (packages speech-dispatcher, speech-dispatcher-espeak-ng and qt6-speech-speechd-plugin: about a hundred languages) or Flite (package qt6-speech-flite-plugin: English voices) with your package manager, then start Vorlex again.

Click OK to read how in the help.</source>
        <translation>Vorlex liest mit den Sprachausgaben Ihrer Linux-Distribution vor. Installieren Sie mit Ihrer Paketverwaltung Speech Dispatcher mit espeak-ng (Pakete speech-dispatcher, speech-dispatcher-espeak-ng und qt6-speech-speechd-plugin: etwa hundert Sprachen) oder Flite (Paket qt6-speech-flite-plugin: englische Stimmen) und starten Sie Vorlex neu.

Klicken Sie auf OK, um die Anleitung in der Hilfe zu lesen.</translation>
    </message>
    <message>
        <source>No speech engine is installed, so Vorlex cannot read aloud and the Speech commands are greyed. Speech &gt; Download a Speech Engine tells you how to install one.</source>
        <translation>Es ist keine Sprachausgabe installiert; Vorlex kann daher nicht vorlesen, und die Befehle des Menüs Sprache sind ausgegraut. Sprache &gt; Sprachausgabe herunterladen erklärt, wie Sie eine installieren.</translation>
    </message>
    <message>
        <source>Warning: These auto comments will automatically and permanently overwrite any user defined comments, including pre-existing ones.  Continue?</source>
        <translation>Warnung: Diese automatischen Kommentare überschreiben alle eigenen Kommentare dauerhaft, auch bereits vorhandene.  Fortfahren?</translation>
    </message>
    <message>
        <source>Error getting current TTS Mode.</source>
        <translation>Fehler beim Ermitteln der aktuellen Sprachausgabe.</translation>
    </message>
    <message>
        <source>Read Text Data From Clipboard</source>
        <translation>Text aus der Zwischenablage vorlesen</translation>
    </message>
    <message>
        <source>Select Speech Engine/Voice</source>
        <translation>Sprachausgabe/Stimme wählen</translation>
    </message>
    <message>
        <source>Please enter no more than 45 characters.</source>
        <translation>Bitte geben Sie höchstens 45 Zeichen ein.</translation>
    </message>
    <message>
        <source>No tape box line selected.  Use the ^ key to add a blank comment line first, then add your comments to it.</source>
        <translation>Keine Bandzeile ausgewählt.  Fügen Sie mit der Taste ^ zuerst eine leere Kommentarzeile ein und schreiben Sie Ihren Kommentar hinein.</translation>
    </message>
    <message>
        <source>VOR-generated comment lines may not be edited.  Tip:  Use the ^ key to append blank lines to the tape box following VOR-generated comment lines while performing your calculations.  You can then add your comments to these blank lines.</source>
        <translation>Von VOR erzeugte Kommentarzeilen können nicht bearbeitet werden.  Tipp:  Fügen Sie beim Rechnen mit der Taste ^ leere Zeilen nach den von VOR erzeugten Kommentarzeilen ein.  In diese leeren Zeilen können Sie dann Ihre Kommentare schreiben.</translation>
    </message>
    <message>
        <source>Sorry, but comments containing % and MR are reserved.</source>
        <translation>Kommentare mit % und MR sind leider reserviert.</translation>
    </message>
    <message>
        <source>Edit Tape Box Entry</source>
        <translation>Band-Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>No tape box line selected.</source>
        <translation>Keine Bandzeile ausgewählt.</translation>
    </message>
    <message>
        <source>You cannot edit this line since it does not contain an immediate numerical value.
You should instead look to edit one of the lines above this one, if possible.</source>
        <translation>Diese Zeile kann nicht bearbeitet werden, da sie keinen eingegebenen Zahlenwert enthält.
Bearbeiten Sie stattdessen nach Möglichkeit eine der Zeilen darüber.</translation>
    </message>
    <message>
        <source>No line selected!</source>
        <translation>Keine Zeile ausgewählt!</translation>
    </message>
    <message>
        <source>This line cannot be deleted because it is a VOR-generated line.  This line is dependent upon one or more lines above it in the tape box.  Deleting the line upon which this one depends, will result in the removal of this line.</source>
        <translation>Diese Zeile kann nicht gelöscht werden, da VOR sie erzeugt hat.  Sie hängt von einer oder mehreren Zeilen darüber ab.  Wird die Zeile gelöscht, von der sie abhängt, verschwindet auch diese Zeile.</translation>
    </message>
    <message>
        <source>Recalulate now?</source>
        <translation>Jetzt neu berechnen?</translation>
    </message>
    <message>
        <source>The selected line is a vor-generated line and cannot be deleted.  Try to delete one of the lines either above or below this one.</source>
        <translation>Die ausgewählte Zeile wurde von VOR erzeugt und kann nicht gelöscht werden.  Löschen Sie stattdessen eine Zeile darüber oder darunter.</translation>
    </message>
    <message>
        <source>Nothing to undo!</source>
        <translation>Nichts rückgängig zu machen!</translation>
    </message>
    <message>
        <source>Low Memory Warning:  Tape Box memory pre-allocation failed.  The system might not have enough memory to fill the tape box.</source>
        <translation>Warnung, wenig Speicher:  Der Speicher für das Band konnte nicht reserviert werden.  Möglicherweise reicht der Speicher nicht, um das Band zu füllen.</translation>
    </message>
    <message>
        <source>Re-calculating.  Please wait...</source>
        <translation>Neuberechnung.  Bitte warten...</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Das Dokument konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Failed to open macro file.</source>
        <translation>Die Makrodatei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to write macro file.</source>
        <translation>Die Makrodatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Failed to export the tape.</source>
        <translation>Das Band konnte nicht exportiert werden.</translation>
    </message>
    <message>
        <source>You cannot insert a blank &lt;comment&gt; line just above a line containing a percent reference.</source>
        <translation>Direkt über einer Zeile mit Prozentbezug kann keine leere &lt;comment&gt;-Zeile eingefügt werden.</translation>
    </message>
    <message>
        <source>This button must follow either an intermediate multiplication/division operation or an immediate value.</source>
        <translation>Diese Taste muss auf eine Multiplikation/Division oder einen eingegebenen Wert folgen.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Delete Back through %1?</source>
        <translation>Bis einschließlich %1 löschen?</translation>
    </message>
    <message>
        <source>Undo  %1?</source>
        <translation>%1 rückgängig machen?</translation>
    </message>
    <message>
        <source>Error switching to %1</source>
        <translation>Fehler beim Wechsel zu %1</translation>
    </message>
    <message>
        <source>Paste %1 numbers onto the tape?</source>
        <translation>%1 Zahlen in das Band einfügen?</translation>
    </message>
    <message>
        <source>%1 lines were not numbers and were skipped.</source>
        <translation>%1 Zeilen waren keine Zahlen und wurden übersprungen.</translation>
    </message>
    <message>
        <source>1 line was not a number and was skipped.</source>
        <translation>1 Zeile war keine Zahl und wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1
has been changed by another program since VOR opened or last saved it.

Overwrite it with this tape?</source>
        <translation>%1
wurde von einem anderen Programm geändert, seit VOR die Datei geöffnet oder zuletzt gespeichert hat.

Mit diesem Band überschreiben?</translation>
    </message>
    <message>
        <source>%1
has been changed by another program since the last session and cannot be read now. The tape from the last session is shown, unsaved.</source>
        <translation>%1
wurde seit der letzten Sitzung von einem anderen Programm geändert und kann jetzt nicht gelesen werden. Das Band der letzten Sitzung wird ungespeichert angezeigt.</translation>
    </message>
    <message>
        <source>The last session left unsaved changes to
%1
and another program has changed that file since.

Keep the unsaved tape from the last session? Yes keeps it (a save asks before replacing the file); No opens the file as it is now, and the unsaved changes are lost.</source>
        <translation>Die letzte Sitzung hat ungespeicherte Änderungen an
%1
hinterlassen, und ein anderes Programm hat die Datei seitdem geändert.

Das ungespeicherte Band der letzten Sitzung behalten? Ja behält es (Speichern fragt vor dem Ersetzen der Datei); Nein öffnet die Datei im jetzigen Zustand, und die ungespeicherten Änderungen gehen verloren.</translation>
    </message>
    <message>
        <source>Tape not kept between sessions: %1</source>
        <translation>Band wird nicht zwischen Sitzungen behalten: %1</translation>
    </message>
    <message>
        <source>%1   Adding machine with a live paper tape   For Help, press F1</source>
        <translation>%1   Rechenmaschine mit mitlaufendem Papierstreifen   Hilfe mit F1</translation>
    </message>
    <message>
        <source>This window&apos;s tape is not kept between sessions: %1 other windows keep theirs.</source>
        <translation>Das Band dieses Fensters wird nicht zwischen Sitzungen behalten: %1 andere Fenster behalten ihres.</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Erstellt ein neues Dokument
Neu</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Öffnet ein vorhandenes Dokument
Öffnen</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Speichert das aktive Dokument
Speichern</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Speichert das aktive Dokument unter neuem Namen
Speichern unter</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Ändert Drucker und Druckoptionen
Druckereinrichtung</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Druckt das aktive Dokument
Drucken</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Zeigt ganze Seiten an
Druckvorschau</translation>
    </message>
    <message>
        <source>Send the active document through electronic mail
Send Mail</source>
        <translation>Sendet das aktive Dokument per E-Mail
E-Mail senden</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Öffnet dieses Dokument</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Beendet das Programm; fragt nach dem Speichern von Dokumenten
Beenden</translation>
    </message>
    <message>
        <source>Writes the tape to a CSV file for a spreadsheet, or to a text file
Export Tape</source>
        <translation>Schreibt das Band in eine CSV-Datei für eine Tabellenkalkulation oder in eine Textdatei
Band exportieren</translation>
    </message>
    <message>
        <source>Removes the last line of the tape box and restores the totals before it
Undo Last Line</source>
        <translation>Entfernt die letzte Zeile des Bandes und stellt die Summen davor wieder her
Letzte Zeile rückgängig</translation>
    </message>
    <message>
        <source>Copies the tape box to the clipboard as spreadsheet rows with formulas
Copy to Clipboard (SS Format)</source>
        <translation>Kopiert das Band als Tabellenzeilen mit Formeln in die Zwischenablage
Kopieren (Tabellenformat)</translation>
    </message>
    <message>
        <source>Copies the tape box to the clipboard as plain text for a word processor
Copy to Clipboard (WP Format)</source>
        <translation>Kopiert das Band als reinen Text für eine Textverarbeitung in die Zwischenablage
Kopieren (Textformat)</translation>
    </message>
    <message>
        <source>Changes the value, key or comment of the currently selected tape box line
Edit Tape Box Entry</source>
        <translation>Ändert Wert, Taste oder Kommentar der ausgewählten Bandzeile
Band-Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Adds or edits the comment of the currently selected tape box line
Edit Comment</source>
        <translation>Fügt der ausgewählten Bandzeile einen Kommentar hinzu oder bearbeitet ihn
Kommentar bearbeiten</translation>
    </message>
    <message>
        <source>Deletes the currently selected tape box line
Delete Line</source>
        <translation>Löscht die ausgewählte Bandzeile
Zeile löschen</translation>
    </message>
    <message>
        <source>Deletes all tape box lines starting at the last one and working back to currently selected line
Delete Lines</source>
        <translation>Löscht alle Bandzeilen von der letzten bis einschließlich der ausgewählten Zeile
Zeilen löschen</translation>
    </message>
    <message>
        <source>Inserts a blank comment line above the currently selected tape box line
Insert Blank Comment Line</source>
        <translation>Fügt über der ausgewählten Bandzeile eine leere Kommentarzeile ein
Leere Kommentarzeile einfügen</translation>
    </message>
    <message>
        <source>Adds every number on the clipboard to the tape, as if typed with +
Paste Numbers</source>
        <translation>Addiert jede Zahl aus der Zwischenablage zum Band, als wäre sie mit + eingegeben
Zahlen einfügen</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Blendet die Statusleiste ein oder aus
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Recalculates every line of the tape box with the current settings
Recalculate Now</source>
        <translation>Berechnet jede Bandzeile mit den aktuellen Einstellungen neu
Jetzt neu berechnen</translation>
    </message>
    <message>
        <source>Keeps the VOR window in front of all other windows
Always on Top</source>
        <translation>Hält das VOR-Fenster vor allen anderen Fenstern
Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Shows or hides the keypad and the precision and rounding buttons
Middle Keys</source>
        <translation>Blendet das Tastenfeld und die Tasten für Nachkommastellen und Runden ein oder aus
Mittlere Tasten</translation>
    </message>
    <message>
        <source>Exchanges the places of the Main LED and the Memory LED
Swap LEDs</source>
        <translation>Vertauscht die Plätze von Haupt- und Speicheranzeige
Anzeigen tauschen</translation>
    </message>
    <message>
        <source>Prints multiple columns with a 4 point font
4 Point</source>
        <translation>Druckt mehrere Spalten in 4-Punkt-Schrift
4 Punkt</translation>
    </message>
    <message>
        <source>Prints multiple columns with a 5 point font
5 Point</source>
        <translation>Druckt mehrere Spalten in 5-Punkt-Schrift
5 Punkt</translation>
    </message>
    <message>
        <source>Prints multiple columns with a 6 point font
6 Point</source>
        <translation>Druckt mehrere Spalten in 6-Punkt-Schrift
6 Punkt</translation>
    </message>
    <message>
        <source>Prints multiple columns with a 7 point font
7 Point</source>
        <translation>Druckt mehrere Spalten in 7-Punkt-Schrift
7 Punkt</translation>
    </message>
    <message>
        <source>Asks before the CA button clears the memory and the tape box
Show Clear All Warning</source>
        <translation>Fragt, bevor die Taste CA Speicher und Band löscht
Warnung vor „Alles löschen“</translation>
    </message>
    <message>
        <source>Comments each total with its count of positive and negative items
Give Pos/Neg Counts</source>
        <translation>Kommentiert jede Summe mit der Anzahl positiver und negativer Posten
Anzahl Pos./Neg. angeben</translation>
    </message>
    <message>
        <source>Prints the tape in two columns per page
Multiple Column Printing</source>
        <translation>Druckt das Band in zwei Spalten pro Seite
Mehrspaltiger Druck</translation>
    </message>
    <message>
        <source>Reads each new tape box line aloud as it is added
Immediate Read Mode</source>
        <translation>Liest jede neue Bandzeile vor, sobald sie hinzukommt
Sofort vorlesen</translation>
    </message>
    <message>
        <source>Prints negative values in red on a colour printer
Print Negative Values in Red</source>
        <translation>Druckt negative Werte auf einem Farbdrucker rot
Negative Werte rot drucken</translation>
    </message>
    <message>
        <source>Places the decimal point two digits from the right of every number keyed
Auto Decimal Mode</source>
        <translation>Setzt das Dezimalkomma jeder eingetippten Zahl zwei Stellen von rechts
Automatisches Dezimalkomma</translation>
    </message>
    <message>
        <source>Shows numbers with a decimal comma and point thousands separators
European Mode</source>
        <translation>Zeigt Zahlen mit Dezimalkomma und Punkt als Tausendertrennzeichen
Europäischer Modus</translation>
    </message>
    <message>
        <source>Remap keypad: enter=plus, plus=minus, minus=total
ReMap Keypad</source>
        <translation>Ziffernblock umbelegen: Enter=Plus, Plus=Minus, Minus=Summe
Ziffernblock umbelegen</translation>
    </message>
    <message>
        <source>Prints the tape as one continuous strip for a receipt printer
Receipt Printer Mode</source>
        <translation>Druckt das Band als durchgehenden Streifen für einen Bondrucker
Bondrucker-Modus</translation>
    </message>
    <message>
        <source>Comments every line with the current subtotal
Auto Comment Current Subtotal</source>
        <translation>Kommentiert jede Zeile mit der aktuellen Zwischensumme
Zwischensumme automatisch kommentieren</translation>
    </message>
    <message>
        <source>Copies the running total to the clipboard after every new line
Auto Copy Current Total To Clipboard</source>
        <translation>Kopiert die laufende Summe nach jeder neuen Zeile in die Zwischenablage
Summe automatisch kopieren</translation>
    </message>
    <message>
        <source>Adds a comment to the end of an existing one instead of replacing it
Auto Append Comments</source>
        <translation>Hängt einen Kommentar an einen vorhandenen an, statt ihn zu ersetzen
Kommentare automatisch anhängen</translation>
    </message>
    <message>
        <source>Asks to save a modified tape before it is closed
Prompt To Save On Exit</source>
        <translation>Fragt vor dem Schließen eines geänderten Bandes nach dem Speichern
Beim Beenden nach Speichern fragen</translation>
    </message>
    <message>
        <source>Brings the tape back as it was when VOR starts again, even after a crash
Keep Tape Between Sessions</source>
        <translation>Stellt das Band beim nächsten Start von VOR wieder her, auch nach einem Absturz
Band zwischen Sitzungen behalten</translation>
    </message>
    <message>
        <source>Records the keys that follow into a macro button
Start Recording</source>
        <translation>Nimmt die folgenden Tasten in eine Makrotaste auf
Aufnahme starten</translation>
    </message>
    <message>
        <source>Stops recording the current macro
Stop Recording</source>
        <translation>Beendet die Aufnahme des aktuellen Makros
Aufnahme beenden</translation>
    </message>
    <message>
        <source>Erases the contents of all four macro buttons
Clear All Macros</source>
        <translation>Löscht den Inhalt aller vier Makrotasten
Alle Makros löschen</translation>
    </message>
    <message>
        <source>Lists, changes and copies the keys held by the macros
Edit Macros</source>
        <translation>Listet, ändert und kopiert die Tasten der Makros
Makros bearbeiten</translation>
    </message>
    <message>
        <source>Loads a macro from a macro file
Import Macro File</source>
        <translation>Lädt ein Makro aus einer Makrodatei
Makrodatei importieren</translation>
    </message>
    <message>
        <source>Saves a macro to a macro file
Export Macro File</source>
        <translation>Speichert ein Makro in einer Makrodatei
Makrodatei exportieren</translation>
    </message>
    <message>
        <source>Shows the speech engine&apos;s own About box
Speech Engine About</source>
        <translation>Zeigt die Informationen der Sprachausgabe
Über die Sprachausgabe</translation>
    </message>
    <message>
        <source>Shows the speech engine&apos;s general settings
Speech Engine General</source>
        <translation>Zeigt die allgemeinen Einstellungen der Sprachausgabe
Sprachausgabe allgemein</translation>
    </message>
    <message>
        <source>Shows the speech engine&apos;s pronunciation lexicon
Speech Engine Lexicon</source>
        <translation>Zeigt das Aussprachelexikon der Sprachausgabe
Lexikon der Sprachausgabe</translation>
    </message>
    <message>
        <source>Shows the speech engine&apos;s text translation settings
Speech Translate</source>
        <translation>Zeigt die Textersetzungen der Sprachausgabe
Übersetzung</translation>
    </message>
    <message>
        <source>Reads the tape box aloud from the selected line on
Read Tape</source>
        <translation>Liest das Band ab der ausgewählten Zeile vor
Band vorlesen</translation>
    </message>
    <message>
        <source>Pauses reading aloud
Pause Reading</source>
        <translation>Unterbricht das Vorlesen
Vorlesen pausieren</translation>
    </message>
    <message>
        <source>Resumes reading aloud where it paused
Resume Reading</source>
        <translation>Setzt das Vorlesen dort fort, wo es unterbrochen wurde
Vorlesen fortsetzen</translation>
    </message>
    <message>
        <source>Stops reading aloud
Stop Reading Tape</source>
        <translation>Beendet das Vorlesen
Vorlesen beenden</translation>
    </message>
    <message>
        <source>Reads the text on the clipboard aloud
Read Clipboard</source>
        <translation>Liest den Text in der Zwischenablage vor
Zwischenablage vorlesen</translation>
    </message>
    <message>
        <source>Opens a web page offering text-to-speech engines
Download a Speech Engine</source>
        <translation>Öffnet eine Webseite mit Sprachausgaben
Sprachausgabe herunterladen</translation>
    </message>
    <message>
        <source>Chooses the speech engine and voice used for reading aloud
Select Speech Engine Mode</source>
        <translation>Wählt die Sprachausgabe und Stimme zum Vorlesen
Sprachmodul wählen</translation>
    </message>
    <message>
        <source>Opens the VOR help pages in the web browser
Help Topics</source>
        <translation>Öffnet die Hilfeseiten von VOR im Webbrowser
Hilfethemen</translation>
    </message>
    <message>
        <source>Opens the VOR help pages in the web browser
Help</source>
        <translation>Öffnet die Hilfeseiten von VOR im Webbrowser
Hilfe</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Zeigt Programminformationen, Versionsnummer und Copyright
Über</translation>
    </message>
    <message>
        <source>Total Button (Diplays current running total and clears it.  Shorcuts: t, T, Enter.)</source>
        <translation>Summentaste (Zeigt die laufende Summe und löscht sie.  Tasten: t, T, Enter.)</translation>
    </message>
    <message>
        <source>SubTotal Button (Diplays current running total without clearing it.  Shortcuts: s, S.)</source>
        <translation>Zwischensummentaste (Zeigt die laufende Summe, ohne sie zu löschen.  Tasten: s, S.)</translation>
    </message>
    <message>
        <source>Pound Button (Brings up dialog to add or edit a comment for the currently selected line.  Shortcuts: ;, #, F9.)</source>
        <translation>Rautetaste (Öffnet den Dialog für den Kommentar der ausgewählten Zeile.  Tasten: ;, #, F9.)</translation>
    </message>
    <message>
        <source>Minus Button (Subtracts immediate value, product, or quotient from the current running total.)</source>
        <translation>Minustaste (Zieht Wert, Produkt oder Quotient von der laufenden Summe ab.)</translation>
    </message>
    <message>
        <source>Plus Button (Adds immediate value, product, or quotient to the current running total.)</source>
        <translation>Plustaste (Addiert Wert, Produkt oder Quotient zur laufenden Summe.)</translation>
    </message>
    <message>
        <source>Decimal Button</source>
        <translation>Kommataste</translation>
    </message>
    <message>
        <source>Number Buttons</source>
        <translation>Zifferntasten</translation>
    </message>
    <message>
        <source>Memory Minus Equals (Subtracts immediate value, product, or quotient from Memory Register.  Shortcut: Page Up.)</source>
        <translation>Speicher minus (Zieht Wert, Produkt oder Quotient vom Speicher ab.  Taste: Bild auf.)</translation>
    </message>
    <message>
        <source>Memory Plus Equals (Adds immediate value, product, or quotient to Memory Register.  Shortcut: Page Down.)</source>
        <translation>Speicher plus (Addiert Wert, Produkt oder Quotient zum Speicher.  Taste: Bild ab.)</translation>
    </message>
    <message>
        <source>Percent Button (Displays current value entered as a percentage of prior entry.  Shortcuts: p, P, F12.)</source>
        <translation>Prozenttaste (Zeigt den eingegebenen Wert als Prozentsatz der vorigen Eingabe.  Tasten: p, P, F12.)</translation>
    </message>
    <message>
        <source>Multiplication Button (Multiplies current value entered by subsequent entry.  Shortcuts: *, x, X.)</source>
        <translation>Maltaste (Multipliziert den eingegebenen Wert mit der folgenden Eingabe.  Tasten: *, x, X.)</translation>
    </message>
    <message>
        <source>Memory SubTotal (Displays the current memory total without clearing it.  Shortcut: Home.)</source>
        <translation>Speicher-Zwischensumme (Zeigt die Speichersumme, ohne sie zu löschen.  Taste: Pos1.)</translation>
    </message>
    <message>
        <source>Memory Total (Displays the current running memory total and clears it.  Shortcut: End.)</source>
        <translation>Speichersumme (Zeigt die laufende Speichersumme und löscht sie.  Taste: Ende.)</translation>
    </message>
    <message>
        <source>Equals (Displays result of mult. or div. operation.  Does not modify current running ttl.  Short: CTRL+Enter)</source>
        <translation>Gleich (Zeigt das Ergebnis von Mult. oder Div.  Ändert die laufende Summe nicht.  Taste: Strg+Enter)</translation>
    </message>
    <message>
        <source>Division Button (Divides previous value entered by current entry.  Shortcut: /.)</source>
        <translation>Divisionstaste (Teilt den vorigen Wert durch die aktuelle Eingabe.  Taste: /.)</translation>
    </message>
    <message>
        <source>Mark Up or Mark Down (Usage: Cost / % Mark Down or Cost X % Mark Up.  Shorcut: Insert.)</source>
        <translation>Auf- oder Abschlag (Kosten / % Abschlag oder Kosten X % Aufschlag.  Taste: Einfg.)</translation>
    </message>
    <message>
        <source>Delete Button (Deletes the currently selected line in the tape box.  Shortcut: Delete.)</source>
        <translation>Löschtaste (Löscht die ausgewählte Bandzeile.  Taste: Entf.)</translation>
    </message>
    <message>
        <source>Clear Button (Clears current running total.  Shortcuts: c, C, Esc.)</source>
        <translation>Löschen (Löscht die laufende Summe.  Tasten: c, C, Esc.)</translation>
    </message>
    <message>
        <source>Clear All Button (Clears current total, memory register, and tape box.  Shortcuts: a, A, CTRL+BackSpace.)</source>
        <translation>Alles löschen (Löscht Summe, Speicher und Band.  Tasten: a, A, Strg+Rücktaste.)</translation>
    </message>
    <message>
        <source>Up Shift (Shifts tape box up, inserting blank &lt;comment&gt; line into the tape box.  Shortcuts: ^, b, B.)</source>
        <translation>Hochschieben (Schiebt das Band hoch und fügt eine leere &lt;comment&gt;-Zeile ein.  Tasten: ^, b, B.)</translation>
    </message>
    <message>
        <source>Right Shift (Shift&apos;s Main LED right one place, deleting right-most digit.  Shortcut: Backspace.)</source>
        <translation>Rechtsschieben (Schiebt die Hauptanzeige eine Stelle nach rechts und löscht die letzte Ziffer.  Taste: Rücktaste.)</translation>
    </message>
    <message>
        <source>Negate Button (Negates current value in Main LED by multiplying by -1.  Shortcuts: n, N.)</source>
        <translation>Vorzeichentaste (Kehrt das Vorzeichen des Werts in der Hauptanzeige um.  Tasten: n, N.)</translation>
    </message>
    <message>
        <source>Memory Recall (Takes current value of Memory LED for use as immediate value.  Shortcuts: m, M, F11.)</source>
        <translation>Speicher abrufen (Übernimmt den Wert der Speicheranzeige als Eingabe.  Tasten: m, M, F11.)</translation>
    </message>
    <message>
        <source>Rounding Radio Buttons (OFF = round off 5/4   UP = round up   DOWN = round down.)</source>
        <translation>Rundungsknöpfe (AUS = kaufmännisch runden   AUF = aufrunden   AB = abrunden.)</translation>
    </message>
    <message>
        <source>Decimal Precision Buttons (Specifies the format used to dispay values in the tape box.)</source>
        <translation>Nachkommastellen (Legt fest, wie Werte im Band angezeigt werden.)</translation>
    </message>
    <message>
        <source>Variable (Macro use only.  Takes value of Main LED when macro is first invoked.  Shortcuts: v, V.)</source>
        <translation>Variable (Nur in Makros.  Übernimmt den Wert der Hauptanzeige beim Start des Makros.  Tasten: v, V.)</translation>
    </message>
    <message>
        <source>Quick Record (Quick records a macro button with current value in Main LED.  Shortcuts: q, Q.)</source>
        <translation>Schnellaufnahme (Belegt eine Makrotaste mit dem Wert der Hauptanzeige.  Tasten: q, Q.)</translation>
    </message>
    <message>
        <source>Macro Buttons (User-definable macros  Shortcuts: CTRL+0, CTRL+1, CTRL+2, CTRL+3, F, R, E, D, f, r, e, d.)</source>
        <translation>Makrotasten (Eigene Makros  Tasten: Strg+0, Strg+1, Strg+2, Strg+3, F, R, E, D, f, r, e, d.)</translation>
    </message>
    <message>
        <source>Memory LED (Always displays current running memory total.)</source>
        <translation>Speicheranzeige (Zeigt immer die laufende Speichersumme.)</translation>
    </message>
    <message>
        <source>Main LED (Simulates Light Emitting Diode (LED) display found on typical adding machines.)</source>
        <translation>Hauptanzeige (Wie die Leuchtanzeige typischer Rechenmaschinen.)</translation>
    </message>
    <message>
        <source>Tape Box (Simulates paper tape roll found on typical adding machines.  Shortcuts: CTRL+END, CTRL+HOME.)</source>
        <translation>Band (Wie die Papierrolle typischer Rechenmaschinen.  Tasten: Strg+Ende, Strg+Pos1.)</translation>
    </message>
    <message>
        <source>Adding machine with a live paper tape</source>
        <translation>Rechenmaschine mit mitlaufendem Papierstreifen</translation>
    </message>
    <message>
        <source>Cannot Undo vor-generated lines.</source>
        <translation>Von VOR erzeugte Zeilen können nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Cannot Undo.</source>
        <translation>Rückgängig nicht möglich.</translation>
    </message>
    <message>
        <source>Undo%1</source>
        <translation>Rückgängig:%1</translation>
    </message>
    <message>
        <source>Macro 0</source>
        <translation>Makro 0</translation>
    </message>
    <message>
        <source>Macro 1</source>
        <translation>Makro 1</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Negate</source>
        <translation>Vorzeichen umkehren</translation>
    </message>
    <message>
        <source>Blank Comment Line</source>
        <translation>Leere Kommentarzeile</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Mark Up or Down</source>
        <translation>Auf- oder Abschlag</translation>
    </message>
    <message>
        <source>Memory Subtotal</source>
        <translation>Speicher-Zwischensumme</translation>
    </message>
    <message>
        <source>Memory Minus Equals</source>
        <translation>Speicher minus gleich</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Macro 2</source>
        <translation>Makro 2</translation>
    </message>
    <message>
        <source>Macro 3</source>
        <translation>Makro 3</translation>
    </message>
    <message>
        <source>Quick Record</source>
        <translation>Schnellaufnahme</translation>
    </message>
    <message>
        <source>Memory Recall</source>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Delete Line</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <source>Memory Total</source>
        <translation>Speichersumme</translation>
    </message>
    <message>
        <source>Memory Plus Equals</source>
        <translation>Speicher plus gleich</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Zwischensumme</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Eins</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>Double Zero</source>
        <translation>Doppelnull</translation>
    </message>
    <message>
        <source>Decimal Point</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Previous Line</source>
        <translation>Vorige Zeile</translation>
    </message>
    <message>
        <source>Next Line</source>
        <translation>Nächste Zeile</translation>
    </message>
    <message>
        <source>First Line</source>
        <translation>Erste Zeile</translation>
    </message>
    <message>
        <source>Last Line</source>
        <translation>Letzte Zeile</translation>
    </message>
    <message>
        <source>VOR is limited to 12 significant digits of accuracy.  This value is too large to display at the requested decimal precision.  The value will be rounded off to the highest precision supported by VOR.  Digits in excess of 12 will be set to zero.  The x&apos;s show which digits have been affected: </source>
        <translation>VOR rechnet auf höchstens 12 signifikante Stellen genau.  Dieser Wert ist zu groß, um ihn mit den eingestellten Nachkommastellen anzuzeigen.  Er wird auf die höchste Genauigkeit gerundet, die VOR unterstützt; Stellen über 12 werden auf null gesetzt.  Die x zeigen, welche Stellen betroffen sind: </translation>
    </message>
    <message>
        <source>Tip: Use this button in place of the equals (=) button to add the result to the current running total.</source>
        <translation>Tipp: Verwenden Sie diese Taste anstelle der Gleich-Taste (=), um das Ergebnis zur laufenden Summe zu addieren.</translation>
    </message>
    <message>
        <source>Tip: Use this button in place of the equals (=) button to subtract the result from the current running total.</source>
        <translation>Tipp: Verwenden Sie diese Taste anstelle der Gleich-Taste (=), um das Ergebnis von der laufenden Summe abzuziehen.</translation>
    </message>
    <message>
        <source>Tip:  Use this button in place of the equals (=) button to obtain the result of an intermediate multiplication or division operation and add the result to the current running memory total.</source>
        <translation>Tipp:  Verwenden Sie diese Taste anstelle der Gleich-Taste (=), um das Ergebnis einer Multiplikation oder Division zu erhalten und zur laufenden Speichersumme zu addieren.</translation>
    </message>
    <message>
        <source>Tip:  Use this button in place of the equals (=) button to obtain the result of a multiplication or division operation and subtract that result from the current running memory total.</source>
        <translation>Tipp:  Verwenden Sie diese Taste anstelle der Gleich-Taste (=), um das Ergebnis einer Multiplikation oder Division zu erhalten und von der laufenden Speichersumme abzuziehen.</translation>
    </message>
    <message>
        <source>Floating decimal</source>
        <translation>Gleitkomma</translation>
    </message>
    <message>
        <source>Decimal precision 0</source>
        <translation>0 Nachkommastellen</translation>
    </message>
    <message>
        <source>Decimal precision 1</source>
        <translation>1 Nachkommastelle</translation>
    </message>
    <message>
        <source>Decimal precision 2</source>
        <translation>2 Nachkommastellen</translation>
    </message>
    <message>
        <source>Decimal precision 3</source>
        <translation>3 Nachkommastellen</translation>
    </message>
    <message>
        <source>Decimal precision 4</source>
        <translation>4 Nachkommastellen</translation>
    </message>
    <message>
        <source>Decimal precision 5</source>
        <translation>5 Nachkommastellen</translation>
    </message>
    <message>
        <source>Round up</source>
        <translation>Aufrunden</translation>
    </message>
    <message>
        <source>Round off</source>
        <translation>Kaufmännisch runden</translation>
    </message>
    <message>
        <source>Round down</source>
        <translation>Abrunden</translation>
    </message>
    <message>
        <source>Auto decimal</source>
        <translation>Automatisches Dezimalkomma</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Tastenkürzel: %1</translation>
    </message>
    <message>
        <source>Shortcuts: %1 or %2</source>
        <translation>Tastenkürzel: %1 oder %2</translation>
    </message>
    <message>
        <source>Send needs xdg-email (the package xdg-utils) to hand the tape to your mail program.</source>
        <translation>Zum Senden wird xdg-email (Paket xdg-utils) benötigt, das das Band an Ihr E-Mail-Programm übergibt.</translation>
    </message>
    <message>
        <source>The tape is kept between sessions again.</source>
        <translation>Das Band wird wieder zwischen Sitzungen behalten.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The tape cannot be kept between sessions: %1 cannot be written (%2).

If VOR ends unexpectedly, changes not saved to a file are lost.</source>
        <translation>Das Band kann nicht zwischen Sitzungen behalten werden: %1 kann nicht geschrieben werden (%2).

Wenn VOR unerwartet beendet wird, gehen Änderungen verloren, die nicht in einer Datei gespeichert sind.</translation>
    </message>
    <message>
        <source>The tape of the last session was not restored: later changes to it could not be written to %1, so it is out of date. It was set aside as %2. VOR starts with an empty tape.</source>
        <translation>Das Band der letzten Sitzung wurde nicht wiederhergestellt: Spätere Änderungen daran konnten nicht in %1 geschrieben werden, es ist also veraltet. Es wurde als %2 beiseitegelegt. VOR beginnt mit einem leeren Band.</translation>
    </message>
    <message>
        <source>The tape of the last session could not be read (%1) and was set aside as %2. VOR starts with an empty tape.</source>
        <translation>Das Band der letzten Sitzung konnte nicht gelesen werden (%1) und wurde als %2 beiseitegelegt. VOR beginnt mit einem leeren Band.</translation>
    </message>
    <message>
        <source>The tape of the last session could not be read (%1). VOR starts with an empty tape.</source>
        <translation>Das Band der letzten Sitzung konnte nicht gelesen werden (%1). VOR beginnt mit einem leeren Band.</translation>
    </message>
    <message>
        <source>Settings cannot be kept: %1 cannot be written (%2). Changes to the settings last only until VOR is closed.</source>
        <translation>Die Einstellungen können nicht gespeichert werden: %1 kann nicht geschrieben werden (%2). Änderungen an den Einstellungen gelten nur, bis VOR beendet wird.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; is not a number.  Type a number such as %2 (with % for a percentage) or MR.</source>
        <translation>Der Wert „%1“ ist keine Zahl.  Geben Sie eine Zahl wie %2 ein (mit % für einen Prozentsatz) oder MR.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Keypad +</source>
        <translation>Ziffernblock +</translation>
    </message>
    <message>
        <source>Keypad -</source>
        <translation>Ziffernblock -</translation>
    </message>
    <message>
        <source>Ctrl+Keypad .</source>
        <translation>Strg+Ziffernblock ,</translation>
    </message>
    <message>
        <source>Keypad .</source>
        <translation>Ziffernblock ,</translation>
    </message>
    <message>
        <source>By unchecking this setting, you are telling VOR to not prompt you to save your modified files upon exiting.  This will result in lost information if you should ever forget to save your work before closing down VOR.  Uncheck this setting?</source>
        <translation>Wenn Sie diese Einstellung ausschalten, fragt VOR beim Beenden nicht mehr, ob geänderte Dateien gespeichert werden sollen.  Vergessen Sie dann einmal, Ihre Arbeit vor dem Beenden von VOR zu speichern, gehen Daten verloren.  Einstellung ausschalten?</translation>
    </message>
    <message>
        <source>By unchecking this setting, you are telling VOR to not warn you that you are about to clear all memory and all tape box contents.  This will result in lost information if you should ever accidentally hit the CA button or one of its shortcut keys because you will then no longer have the option of aborting the operation.  Uncheck this setting?</source>
        <translation>Wenn Sie diese Einstellung ausschalten, warnt VOR Sie nicht mehr, bevor Speicher und Band vollständig gelöscht werden.  Drücken Sie dann versehentlich die Taste CA oder eines ihrer Tastenkürzel, gehen Daten verloren, denn Sie können den Vorgang nicht mehr abbrechen.  Einstellung ausschalten?</translation>
    </message>
    <message>
        <source>Invalid Mode Error</source>
        <translation>Fehler: Ungültiger Modus</translation>
    </message>
    <message>
        <source>Invalid Parameter Error</source>
        <translation>Fehler: Ungültiger Parameter</translation>
    </message>
    <message>
        <source>Invalid Window Error</source>
        <translation>Fehler: Ungültiges Fenster</translation>
    </message>
    <message>
        <source>This feature is not supported by the currently installed Text To Speech Engine.</source>
        <translation>Diese Funktion wird von der installierten Sprachausgabe nicht unterstützt.</translation>
    </message>
    <message>
        <source>Find in Tape</source>
        <translation>Im Band suchen</translation>
    </message>
    <message>
        <source>Find in tape</source>
        <translation>Im Band suchen</translation>
    </message>
    <message>
        <source>Figure, key or comment</source>
        <translation>Zahl, Taste oder Kommentar</translation>
    </message>
    <message>
        <source>Find the previous line (Shift+F3)</source>
        <translation>Vorige passende Zeile suchen (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Find the next line (F3 or Enter)</source>
        <translation>Nächste passende Zeile suchen (F3 oder Eingabe)</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Suchergebnis</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Suchleiste schließen (Esc)</translation>
    </message>
    <message>
        <source>&amp;Find in Tape...</source>
        <translation>Im Band &amp;suchen...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Nächste Zeile suchen</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>&amp;Vorige Zeile suchen</translation>
    </message>
    <message>
        <source>No line matches.</source>
        <translation>Keine Zeile passt.</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation>Zeile %1 von %2</translation>
    </message>
    <message>
        <source>Line %1 of %2, went on from the top</source>
        <translation>Zeile %1 von %2, oben weitergesucht</translation>
    </message>
    <message>
        <source>Line %1 of %2, went on from the bottom</source>
        <translation>Zeile %1 von %2, unten weitergesucht</translation>
    </message>
    <message>
        <source>Finds a tape box line by its figure, key or comment
Find in Tape</source>
        <translation>Sucht eine Zeile des Bandes nach Zahl, Taste oder Kommentar
Im Band suchen</translation>
    </message>
    <message>
        <source>Selects the next line that matches
Find Next</source>
        <translation>Wählt die nächste passende Zeile
Nächste Zeile suchen</translation>
    </message>
    <message>
        <source>Selects the previous line that matches
Find Previous</source>
        <translation>Wählt die vorige passende Zeile
Vorige Zeile suchen</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>Schritt &amp;zurück</translation>
    </message>
    <message>
        <source>Step Forwa&amp;rd</source>
        <translation>Schritt vor&amp;wärts</translation>
    </message>
    <message>
        <source>Takes the tape back over its last change: lines, totals and LEDs as they were
Step Back</source>
        <translation>Nimmt die letzte Änderung am Band zurück: Zeilen, Summen und Anzeigen wie zuvor
Schritt zurück</translation>
    </message>
    <message>
        <source>Does the change stepped back over again
Step Forward</source>
        <translation>Führt die zurückgenommene Änderung erneut aus
Schritt vorwärts</translation>
    </message>
    <message>
        <source>Tax Plus</source>
        <translation>Steuer plus</translation>
    </message>
    <message>
        <source>Tax Minus</source>
        <translation>Steuer minus</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Gesamtsumme</translation>
    </message>
    <message>
        <source>Ta&amp;x Rate...</source>
        <translation>Steuer&amp;satz...</translation>
    </message>
    <message>
        <source>Tax Rate</source>
        <translation>Steuersatz</translation>
    </message>
    <message>
        <source>Tax rate in percent, used by TAX+ and TAX-:</source>
        <translation>Steuersatz in Prozent für TAX+ und TAX-:</translation>
    </message>
    <message>
        <source>This is no tax rate: enter a percentage from 0 to 100, such as 8.25.</source>
        <translation>Das ist kein Steuersatz: Geben Sie einen Prozentsatz von 0 bis 100 ein, etwa 8.25.</translation>
    </message>
    <message>
        <source>Sets the rate, in percent, at which TAX+ and TAX- figure the tax
Tax Rate</source>
        <translation>Legt den Satz in Prozent fest, mit dem TAX+ und TAX- die Steuer berechnen
Steuersatz</translation>
    </message>
    <message>
        <source>Tax Plus Button (Adds tax at the Tax Rate setting to the value shown.  Shortcut: I.)</source>
        <translation>Taste Steuer plus (Schlägt dem angezeigten Wert die Steuer zum eingestellten Steuersatz auf.  Tastenkürzel: I.)</translation>
    </message>
    <message>
        <source>Tax Minus Button (Takes the tax at the Tax Rate setting out of the value shown.  Shortcut: U.)</source>
        <translation>Taste Steuer minus (Rechnet die Steuer zum eingestellten Steuersatz aus dem angezeigten Wert heraus.  Tastenkürzel: U.)</translation>
    </message>
    <message>
        <source>Grand Total Button (Displays the sum of every total since the tape began.  Shortcut: G.)</source>
        <translation>Taste Gesamtsumme (Zeigt die Summe aller Endsummen seit Beginn des Bandes.  Tastenkürzel: G.)</translation>
    </message>
</context>
</TS>
