<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Captions</name>
    <message>
        <source>Ungültige Schnittstelleneinstellung „%1“: %2</source>
        <translation>Invalid port setting “%1”: %2</translation>
    </message>
    <message>
        <source>erwartet werden Baudrate, Parität, Datenbits und Stopbits, durch Kommas getrennt.</source>
        <translation>expected are baud rate, parity, data bits and stop bits, separated by commas.</translation>
    </message>
    <message>
        <source>Baudrate „%1“ wird nicht unterstützt.</source>
        <translation>Baud rate “%1” is not supported.</translation>
    </message>
    <message>
        <source>Parität „%1“ ist nicht e, o, n, m oder s.</source>
        <translation>Parity “%1” is not e, o, n, m or s.</translation>
    </message>
    <message>
        <source>Datenbits „%1“ sind nicht 4 bis 8.</source>
        <translation>Data bits “%1” are not 4 to 8.</translation>
    </message>
    <message>
        <source>Stopbits „%1“ sind nicht 1, 1.5 oder 2.</source>
        <translation>Stop bits “%1” are not 1, 1.5 or 2.</translation>
    </message>
    <message>
        <source>Die Schnittstelle %1 übernimmt %2 nicht (%3).</source>
        <translation>The port %1 does not accept %2 (%3).</translation>
    </message>
    <message>
        <source>%1 Datenbits</source>
        <translation>%1 data bits</translation>
    </message>
    <message>
        <source>die Baudrate %1</source>
        <translation>the baud rate %1</translation>
    </message>
    <message>
        <source>die Parität „%1“</source>
        <translation>the parity “%1”</translation>
    </message>
    <message>
        <source>%1 Stopbits</source>
        <translation>%1 stop bits</translation>
    </message>
    <message>
        <source>das Handshaking %1</source>
        <translation>the handshaking %1</translation>
    </message>
    <message>
        <source>Schnittstelle COM%1 wird bereits verwendet.<byte value="xd"/>Bitte alle anderen Programme schließen und Schnittstelle ggf. im folgenden Disolg anpassen!</source>
        <translation>Port COM%1 is already in use.<byte value="xd"/>Please close all other programs and, if needed, change the port in the following dialog!</translation>
    </message>
    <message>
        <source>Schnittstelle COM%1 konnte nicht geöffnet werden.<byte value="xd"/>Bitte beenden Sie das Programm und beheben Sie das Problem.</source>
        <translation>Port COM%1 could not be opened.<byte value="xd"/>Please end the program and fix the problem.</translation>
    </message>
    <message>
        <source>COM Port konnte nicht geöffnet werden.<byte value="xd"/>COM%1 wird evtl. bereits von einem anderen Programm verwendet</source>
        <translation>COM port could not be opened.<byte value="xd"/>COM%1 may already be in use by another program</translation>
    </message>
    <message>
        <source>Verbindung zu %1 und dem daran angeschlossenen Gerät verloren.<byte value="xd"/>Der Testlauf wurde abgebrochen.</source>
        <translation>Connection to %1 and the device on it lost.<byte value="xd"/>The test run was cancelled.</translation>
    </message>
    <message>
        <source>Die Ausgabe an %1 wurde von der Xon/Xoff-Flusssteuerung angehalten („Handshaking“ in den COM Einstellungen).<byte value="xd"/>Die Bytes 0x11 und 0x13 der Umkodiertabelle sind die Zeichen, mit denen diese Flusssteuerung die Ausgabe fortsetzt und anhält. Bitte ein Protokoll ohne Xon/Xoff wählen.</source>
        <translation>The output to %1 was stopped by Xon/Xoff flow control (“Handshaking” in the COM settings).<byte value="xd"/>The bytes 0x11 and 0x13 of the recoding table are the characters with which this flow control resumes and stops the output. Please choose a protocol without Xon/Xoff.</translation>
    </message>
    <message>
        <source>an ihrer Stelle steht ein Ordner</source>
        <translation>a folder stands in its place</translation>
    </message>
    <message>
        <source>das Recht, sie zu lesen, fehlt</source>
        <translation>the right to read it is missing</translation>
    </message>
    <message>
        <source>ihr Inhalt hat nicht das Format einer Einstellungsdatei</source>
        <translation>its content is not in the format of a settings file</translation>
    </message>
    <message>
        <source>die Datei ist schreibgeschützt</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>der Ordner %1 ist schreibgeschützt</source>
        <translation>the folder %1 is read-only</translation>
    </message>
    <message>
        <source>sie konnte nicht geschrieben werden</source>
        <translation>it could not be written</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei %1 kann nicht gelesen werden: %2.<byte value="xd"/>Quendal beginnt mit den Anfangseinstellungen.</source>
        <translation>The settings file %1 cannot be read: %2.<byte value="xd"/>Quendal starts with the initial settings.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in %1 gespeichert werden: %2.<byte value="xd"/>Sie gelten nur, bis Quendal beendet wird.</source>
        <translation>The settings could not be stored in %1: %2.<byte value="xd"/>They apply only until Quendal ends.</translation>
    </message>
    <message>
        <source>Der gespeicherte Wert „%1“ unter „%2“ ist keine ganze Zahl.</source>
        <translation>The stored value “%1” under “%2” is not a whole number.</translation>
    </message>
    <message>
        <source>Der gespeicherte Wert „%1“ unter „%2“ liegt außerhalb des Zahlenbereichs.</source>
        <translation>The stored value “%1” under “%2” is out of range.</translation>
    </message>
    <message>
        <source>%1: Diese Bytes kamen nicht als Echo zurück.</source>
        <translation>%1: These bytes did not come back as an echo.</translation>
    </message>
    <message>
        <source>gesendet %1, erwartet %2, empfangen %3 (nach %4 ms)</source>
        <translation>sent %1, expected %2, received %3 (after %4 ms)</translation>
    </message>
    <message>
        <source>nichts</source>
        <translation>nothing</translation>
    </message>
    <message>
        <source>Ergebnis: %1 (%2 ms)</source>
        <translation>Result: %1 (%2 ms)</translation>
    </message>
    <message>
        <source>Schnittstellentest: keine Antwort, Wiederholung %1 von %2</source>
        <translation>Interface test: no answer, retry %1 of %2</translation>
    </message>
    <message>
        <source>Auflösung %1x%2 wird nicht unterstützt!<byte value="xd"/>ZR wurde auf 16x4 eingestellt!</source>
        <translation>Resolution %1x%2 is not supported!<byte value="xd"/>The ZR was set to 16x4!</translation>
    </message>
    <message>
        <source>TimeOut auf COM. (Keine Antwort auf &apos;%1&apos;)</source>
        <translation>Timeout on COM. (No answer to &apos;%1&apos;)</translation>
    </message>
    <message>
        <source>Kein</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Ein</source>
        <translation>On</translation>
    </message>
    <message>
        <source> (Prozess %1)</source>
        <translation> (process %1)</translation>
    </message>
    <message>
        <source> (Prozess %1, %2)</source>
        <translation> (process %1, %2)</translation>
    </message>
    <message>
        <source>ZR Test und Initialisierung</source>
        <translation>ZR Test and Initialisation</translation>
    </message>
    <message>
        <source>Starte Tests</source>
        <translation>Start tests</translation>
    </message>
    <message>
        <source>Demo-Text</source>
        <translation>Demo text</translation>
    </message>
    <message>
        <source>COM Einstellungen</source>
        <translation>COM settings</translation>
    </message>
    <message>
        <source>Programmende</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Schnittstelle inaktiv. Keine Verbindung zum ZR/LN.</source>
        <translation>Port inactive. No connection to the ZR/LN.</translation>
    </message>
    <message>
        <source>Schnittstellenfehler</source>
        <translation>Port error</translation>
    </message>
    <message>
        <source>Testlauf</source>
        <translation>Test run</translation>
    </message>
    <message>
        <source>Schnittstellentest</source>
        <translation>Interface test</translation>
    </message>
    <message>
        <source>Umkodiertabelle</source>
        <translation>Recoding table</translation>
    </message>
    <message>
        <source>Displaygeometrie</source>
        <translation>Display geometry</translation>
    </message>
    <message>
        <source>Festtextprogrammierung</source>
        <translation>Fixed text programming</translation>
    </message>
    <message>
        <source>Festtext-Test</source>
        <translation>Fixed text test</translation>
    </message>
    <message>
        <source>Tastaturbelegung</source>
        <translation>Keyboard layout</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Test läuft</source>
        <translation>Test running</translation>
    </message>
    <message>
        <source>Fehlende Echos</source>
        <translation>Missing echoes</translation>
    </message>
    <message>
        <source>Verbindungs- oder EEPROM-Fehler: Bitte prüfen:<byte value="xd"/>Ist das Programm richtig konfiguriert? (COM-Port Einstellungen)<byte value="xd"/>Ist das ZR/LN richtig angeschlossen? (COM-Port / RS232-Kabel)<byte value="xd"/>Ist der Startup-Bildschirm auf dem ZR/LN und blinkt der Cursor?</source>
        <translation>Connection or EEPROM error: please check:<byte value="xd"/>Is the program configured correctly? (COM port settings)<byte value="xd"/>Is the ZR/LN connected correctly? (COM port / RS232 cable)<byte value="xd"/>Is the start-up screen on the ZR/LN and is the cursor blinking?</translation>
    </message>
    <message>
        <source>FEHLER BEIM SPEICHERN DER UMKODIERTABELLE</source>
        <translation>ERROR STORING THE RECODING TABLE</translation>
    </message>
    <message>
        <source>FEHLER BEIM SPEICHERN DER FESTTEXTE</source>
        <translation>ERROR STORING THE FIXED TEXTS</translation>
    </message>
    <message>
        <source>ACHTUNG!</source>
        <translation>WARNING!</translation>
    </message>
    <message>
        <source>bestanden</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>fehlgeschlagen</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>nicht geöffnet</source>
        <translation>not opened</translation>
    </message>
    <message>
        <source>unterbrochen</source>
        <translation>interrupted</translation>
    </message>
    <message>
        <source>Schnittstellentest: keine Antwort, abgebrochen (keine Wiederholung übrig)</source>
        <translation>Interface test: no answer, cancelled (no retry left)</translation>
    </message>
    <message>
        <source>COM-Anschluß-Einstellungen</source>
        <translation>COM port settings</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Anschluß:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Maximale Geschwindigkeit</source>
        <translation>Maximum speed</translation>
    </message>
    <message>
        <source>Übertragungsformat</source>
        <translation>Transmission format</translation>
    </message>
    <message>
        <source>Datenbits:</source>
        <translation>Data bits:</translation>
    </message>
    <message>
        <source>Parität:</source>
        <translation>Parity:</translation>
    </message>
    <message>
        <source>Stopbits:</source>
        <translation>Stop bits:</translation>
    </message>
    <message>
        <source>&amp;Protokoll</source>
        <translation>&amp;Protocol</translation>
    </message>
    <message>
        <source>&amp;Echo</source>
        <translation>&amp;Echo</translation>
    </message>
    <message>
        <source>Gerät:</source>
        <translation>Device:</translation>
    </message>
    <message>
        <source>Anderes Gerät …</source>
        <translation>Other device …</translation>
    </message>
    <message>
        <source>Pfad des seriellen Geräts:</source>
        <translation>Path of the serial device:</translation>
    </message>
    <message>
        <source>Kein serielles Gerät gefunden</source>
        <translation>No serial device found</translation>
    </message>
    <message>
        <source>(nicht angeschlossen)</source>
        <translation>(not connected)</translation>
    </message>
    <message>
        <source>Schnittstelle COM%1 (%2)</source>
        <translation>Port COM%1 (%2)</translation>
    </message>
    <message>
        <source>Es ist kein serielles Gerät angeschlossen.</source>
        <translation>No serial device is connected.</translation>
    </message>
    <message>
        <source>Vorhanden sind: %1.</source>
        <translation>Present are: %1.</translation>
    </message>
    <message>
        <source>%1: Keine Berechtigung für das Gerät %2. Abhilfe: mit „ls -l %2“ nachsehen, welcher Gruppe es gehört, und dieser Gruppe beitreten.</source>
        <translation>%1: No permission for the device %2. Remedy: look up with “ls -l %2” which group it belongs to, and join that group.</translation>
    </message>
    <message>
        <source>%1: Keine Berechtigung für das Gerät %2, es gehört der Gruppe „%3“. Abhilfe: %4sudo adduser $USER %5 eingeben, danach ab- und wieder anmelden.</source>
        <translation>%1: No permission for the device %2, it belongs to the group “%3”. Remedy: %4enter sudo adduser $USER %5, then log out and in again.</translation>
    </message>
    <message>
        <source>das Gerät per udev-Regel (GROUP=&quot;dialout&quot;) der Gruppe „dialout“ geben, </source>
        <translation>give the device to the group “dialout” with a udev rule (GROUP=&quot;dialout&quot;), </translation>
    </message>
    <message>
        <source>%1 ist von einem anderen Programm exklusiv belegt%2. Oft ist es ModemManager, der neu eingesteckte Adapter einige Sekunden lang prüft. Abhilfe: kurz warten oder „sudo systemctl stop ModemManager“; auf Dauer hält eine udev-Regel mit ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot; ihn von dem Adapter fern.</source>
        <translation>%1 is held exclusively by another program%2. Often it is ModemManager, which probes newly plugged-in adapters for some seconds. Remedy: wait a moment or “sudo systemctl stop ModemManager”; for good, a udev rule with ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot; keeps it away from the adapter.</translation>
    </message>
    <message>
        <source>%1 wird bereits von einem anderen Programm verwendet%2. Abhilfe: das Programm beenden.</source>
        <translation>%1 is already in use by another program%2. Remedy: end that program.</translation>
    </message>
    <message>
        <source>%1 ist durch die Sperrdatei %2 gesperrt. Ihr Prozess %3 läuft nicht mehr, doch die Datei gehört einem anderen Benutzer und kann nicht entfernt werden. Abhilfe: sudo rm %2</source>
        <translation>%1 is locked by the lock file %2. Its process %3 no longer runs, but the file belongs to another user and cannot be removed. Remedy: sudo rm %2</translation>
    </message>
    <message>
        <source>eine Pipe (FIFO)</source>
        <translation>a pipe (FIFO)</translation>
    </message>
    <message>
        <source>eine symbolische Verknüpfung</source>
        <translation>a symbolic link</translation>
    </message>
    <message>
        <source>ein Verzeichnis</source>
        <translation>a directory</translation>
    </message>
    <message>
        <source>ein Socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>eine Gerätedatei</source>
        <translation>a device file</translation>
    </message>
    <message>
        <source>%1: Die Sperrdatei %2 ist keine gewöhnliche Datei, sondern %3; sie wird nicht geöffnet. Abhilfe: sudo rm -r %2</source>
        <translation>%1: The lock file %2 is not a regular file but %3; it is not opened. Remedy: sudo rm -r %2</translation>
    </message>
    <message>
        <source>%1: Keine Schreibberechtigung im Sperrverzeichnis %2, die Schnittstelle kann nicht belegt werden. Abhilfe: das Verzeichnis für alle beschreibbar machen: sudo chmod 1777 %2</source>
        <translation>%1: No write permission in the lock directory %2, the port cannot be taken. Remedy: make the directory writable for all: sudo chmod 1777 %2</translation>
    </message>
    <message>
        <source>%1: Keine Schreibberechtigung im Sperrverzeichnis %2, die Schnittstelle kann nicht belegt werden. Abhilfe: sudo adduser $USER %3 eingeben, danach ab- und wieder anmelden.</source>
        <translation>%1: No write permission in the lock directory %2, the port cannot be taken. Remedy: enter sudo adduser $USER %3, then log out and in again.</translation>
    </message>
    <message>
        <source>%1 konnte nicht geöffnet werden (%2).</source>
        <translation>%1 could not be opened (%2).</translation>
    </message>
    <message>
        <source>Ungültige Portnummer %1: zulässig sind 1 bis 16.</source>
        <translation>Invalid port number %1: 1 to 16 are allowed.</translation>
    </message>
    <message>
        <source>Die Portnummer kann nur bei geschlossener Schnittstelle geändert werden.</source>
        <translation>The port number can only be changed while the port is closed.</translation>
    </message>
    <message>
        <source>Ungültiges Handshaking %1: zulässig sind 0 bis 3.</source>
        <translation>Invalid handshaking %1: 0 to 3 are allowed.</translation>
    </message>
    <message>
        <source>Schnittstelle COM%1 ist bereits geöffnet.</source>
        <translation>Port COM%1 is already open.</translation>
    </message>
    <message>
        <source>Schnittstelle COM%1 ist nicht geöffnet.</source>
        <translation>Port COM%1 is not open.</translation>
    </message>
    <message>
        <source>Schnittstelle COM%1: Senden fehlgeschlagen (%2).</source>
        <translation>Port COM%1: sending failed (%2).</translation>
    </message>
    <message>
        <source>Schnittstelle COM%1: Die Ausgabe ist durch die Flusssteuerung angehalten.</source>
        <translation>Port COM%1: the output is stopped by flow control.</translation>
    </message>
    <message>
        <source>Schnittstelle COM%1: Verbindung zum Gerät verloren (%2).</source>
        <translation>Port COM%1: connection to the device lost (%2).</translation>
    </message>
    <message>
        <source>Schnittstelle COM%1 konnte für den Demo-Text nicht geöffnet werden.</source>
        <translation>Port COM%1 could not be opened for the demo text.</translation>
    </message>
    <message>
        <source>Verbindung zu COM%1 und dem daran angeschlossenen Gerät verloren.<byte value="xd"/>Der Demo-Text ist nicht vollständig angekommen.</source>
        <translation>Connection to COM%1 and the device on it lost.<byte value="xd"/>The demo text did not arrive in full.</translation>
    </message>
    <message>
        <source>an ihrer Stelle steht eine Pipe (FIFO)</source>
        <translation>a pipe (FIFO) stands in its place</translation>
    </message>
    <message>
        <source>an ihrer Stelle steht eine Gerätedatei</source>
        <translation>a device file stands in its place</translation>
    </message>
    <message>
        <source>an ihrer Stelle steht ein Socket</source>
        <translation>a socket stands in its place</translation>
    </message>
    <message>
        <source>sie ist mit über 1 MiB zu groß für eine Einstellungsdatei und bleibt unverändert</source>
        <translation>at over 1 MiB it is too large for a settings file and stays unchanged</translation>
    </message>
    <message>
        <source>Gerät %1</source>
        <translation>Device %1</translation>
    </message>
    <message>
        <source>den Adapter einstecken oder mit --device ein anderes Gerät nennen</source>
        <translation>plug in the adapter or name another device with --device</translation>
    </message>
    <message>
        <source>den Adapter einstecken oder unter „COM Einstellungen“ ein anderes Gerät wählen</source>
        <translation>plug in the adapter or choose another device under “COM settings”</translation>
    </message>
    <message>
        <source>mit --device das Gerät des Adapters nennen</source>
        <translation>name the adapter&apos;s device with --device</translation>
    </message>
    <message>
        <source>unter „COM Einstellungen“ das Gerät des Adapters wählen</source>
        <translation>choose the adapter&apos;s device under “COM settings”</translation>
    </message>
    <message>
        <source>%1: Das Gerät gibt es nicht. %2 Abhilfe: %3.</source>
        <translation>%1: The device does not exist. %2 Remedy: %3.</translation>
    </message>
    <message>
        <source>%1: %2 ist kein serielles Gerät. Abhilfe: %3.</source>
        <translation>%1: %2 is not a serial device. Remedy: %3.</translation>
    </message>
    <message>
        <source>%1: Unter %2 meldet sich kein Gerät (%3). Abhilfe: %4.</source>
        <translation>%1: No device answers at %2 (%3). Remedy: %4.</translation>
    </message>
    <message>
        <source>Bericht %1 nicht geschrieben: %2</source>
        <translation>report %1 not written: %2</translation>
    </message>
    <message>
        <source>nach %1 s hatte ihn noch niemand zum Lesen geöffnet</source>
        <translation>nobody had opened it for reading after %1 s</translation>
    </message>
    <message>
        <source>der Leser hat %1 s lang nichts abgenommen</source>
        <translation>its reader took nothing for %1 s</translation>
    </message>
    <message>
        <source>(Standardausgabe)</source>
        <translation>(standard output)</translation>
    </message>
    <message>
        <source>das Warten auf den Leser wurde durch ein Signal beendet</source>
        <translation>a signal ended the wait for its reader</translation>
    </message>
    <message>
        <source>keine Anzeige: DISPLAY ist nicht gesetzt. Das Fenster braucht eine; ohne Anzeige prüft quendal --run die Terminals.</source>
        <translation>no display: DISPLAY is not set. The window needs one; without a display, quendal --run tests the terminals.</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <comment>the text of a cancelled step&apos;s row</comment>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <comment>a terminal&apos;s verdict under --run</comment>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>Aufzeichnung %1 nicht geschrieben: %2</source>
        <translation>Record %1 not written: %2</translation>
    </message>
    <message>
        <source>Aufzeichnung %1 nicht lesbar: %2</source>
        <translation>Record %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Aufzeichnungen, die auf die Liniendatenbank %2 warten: %1 (%3)</source>
        <translation>Records waiting for the line database %2: %1 (%3)</translation>
    </message>
    <message>
        <source>die Aufzeichnung hat die Schema-Version %1, dieses Programm kennt nur bis %2; sie bleibt unverändert</source>
        <translation>the record has schema version %1, this program knows versions up to %2; it stays unchanged</translation>
    </message>
    <message>
        <source>der Ordner %1 lässt sich nicht anlegen</source>
        <translation>the folder %1 cannot be created</translation>
    </message>
    <message>
        <source>der Qt-SQL-Treiber %1 fehlt (Pakete libqt6sql6-sqlite, libqt6sql6-psql)</source>
        <translation>the Qt SQL driver %1 is missing (packages libqt6sql6-sqlite, libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>%1 ist keine Adresse einer Liniendatenbank: sie beginnt mit postgresql://</source>
        <translation>%1 is not the address of a line database: it starts with postgresql://</translation>
    </message>
    <message>
        <source>die Adresse %1 der Liniendatenbank ist ungültig: %2</source>
        <translation>the line database&apos;s address %1 is not valid: %2</translation>
    </message>
    <message>
        <source>ein Passwort gehört nicht in die Adresse der Liniendatenbank, sondern in ~/.pgpass oder PGPASSWORD</source>
        <translation>a password does not belong in the line database&apos;s address but in ~/.pgpass or PGPASSWORD</translation>
    </message>
    <message>
        <source>die Datei ist eine Datenbank, aber keine Aufzeichnung; sie bleibt unverändert</source>
        <translation>the file is a database but not a record; it stays unchanged</translation>
    </message>
    <message>
        <source>Ausgabe %1 nicht geschrieben: %2</source>
        <translation>Output %1 not written: %2</translation>
    </message>
    <message>
        <source>Ausbeute %1, erstellt %2</source>
        <translation>Yield %1, made %2</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>… und %1 weitere</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>de</source>
        <comment>the language code of the yield page</comment>
        <translation>en</translation>
    </message>
    <message>
        <source>Ausbeute</source>
        <translation>Yield</translation>
    </message>
    <message>
        <source>alle Aufzeichnungen</source>
        <translation>all records</translation>
    </message>
    <message>
        <source>keine Einheiten in diesem Zeitraum</source>
        <translation>no units in this period</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Erstausbeute</source>
        <translation>First-pass yield</translation>
    </message>
    <message>
        <source>Endausbeute</source>
        <translation>Final yield</translation>
    </message>
    <message>
        <source>Terminalläufe</source>
        <translation>Terminal runs</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Fehlgeschlagene Zeilen</source>
        <translation>Failed rows</translation>
    </message>
    <message>
        <source>Erst- und Endausbeute je Tag des ersten Versuchs</source>
        <translation>First-pass and final yield by day of the first attempt</translation>
    </message>
    <message>
        <source>Fehlgeschlagene Zeilen je Schritt</source>
        <translation>Failed rows per step</translation>
    </message>
    <message>
        <source>Anteil kumuliert</source>
        <translation>Cumulative share</translation>
    </message>
    <message>
        <source>Nicht geöffnete Schnittstellen nach Ursache</source>
        <translation>Ports not opened, by cause</translation>
    </message>
    <message>
        <source>Schnittstellen</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>Stationen</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>Langsamstes Echo je Zeile und Schritt (ms)</source>
        <translation>Slowest echo per row and step (ms)</translation>
    </message>
    <message>
        <source>Zeilen</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Einheiten, deren letzter Versuch nicht bestand</source>
        <translation>Units whose latest attempt did not pass</translation>
    </message>
    <message>
        <source>Schnittstelle nicht geöffnet</source>
        <translation>Port not opened</translation>
    </message>
    <message>
        <source>durch ein Signal unterbrochen</source>
        <translation>interrupted by a signal</translation>
    </message>
    <message>
        <source>dieses Programm kennt den Namen „%1“ nicht</source>
        <translation>this program does not know the name “%1”</translation>
    </message>
    <message>
        <source>keine Antwort innerhalb von %1 ms</source>
        <translation>no answer within %1 ms</translation>
    </message>
    <message>
        <source>zuletzt %1 nicht erreicht (%2); der nächste Lauf versucht es nach einer Minute wieder, quendal --forward sofort</source>
        <translation>not reached at %1 (%2); the next run tries again after a minute, quendal --forward at once</translation>
    </message>
    <message>
        <source>beiseitegelegt, nur in der Aufzeichnung der Station: Lauf %1, %2, Einheit „%3“: %4</source>
        <translation>set aside, only in the station&apos;s record: run %1, %2, unit “%3”: %4</translation>
    </message>
    <message>
        <source>der Aufzeichnung fehlt die Tabelle %1; sie ist nicht von diesem Programm angelegt und bleibt unverändert</source>
        <translation>the record lacks the table %1; it was not made by this program and is left as it is</translation>
    </message>
    <message>
        <source>der Tabelle %1 der Aufzeichnung fehlt die Spalte %2; sie ist nicht von diesem Programm angelegt und bleibt unverändert</source>
        <translation>the record&apos;s table %1 lacks the column %2; it was not made by this program and is left as it is</translation>
    </message>
    <message>
        <source>die Tabelle quendal_schema nennt keine gültige Schema-Version; die Aufzeichnung bleibt unverändert</source>
        <translation>the table quendal_schema names no valid schema version; the record is left as it is</translation>
    </message>
    <message>
        <source>das Schema %1 der Liniendatenbank enthält Tabellen, aber keine Aufzeichnung; es bleibt unverändert</source>
        <translation>the line database&apos;s schema %1 holds tables but no record; it is left as it is</translation>
    </message>
    <message>
        <source>die Liniendatenbank hat noch die Schema-Version %1 im Schema public; ein schreibender Befehl wie quendal --forward bringt sie auf die Version %2 im Schema quendal, erst dann ist sie lesbar</source>
        <translation>the line database still has schema version %1 in the schema public; a writing command such as quendal --forward brings it to version %2 in the schema quendal, only then can it be read</translation>
    </message>
    <message>
        <source>die Liniendatenbank nimmt sie an, aber langsamer, als ein Lauf wartet; der nächste Lauf oder quendal --forward überträgt den Rest</source>
        <translation>the line database takes them, but more slowly than a run waits; the next run or quendal --forward forwards the rest</translation>
    </message>
    <message>
        <source>de_DE</source>
        <comment>the locale numbers follow</comment>
        <translation>en_GB</translation>
    </message>
    <message>
        <source>Prüfplatz</source>
        <translation>Test station</translation>
    </message>
    <message>
        <source>bereit</source>
        <translation>ready</translation>
    </message>
    <message>
        <source>läuft</source>
        <translation>running</translation>
    </message>
    <message>
        <source>Seriennummer scannen</source>
        <translation>Scan the serial number</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Aufzeichnung nicht lesbar</source>
        <translation>record not readable</translation>
    </message>
    <message>
        <source>Station %1 — Prüfer %2</source>
        <translation>Station %1 — tester %2</translation>
    </message>
    <message>
        <source>heute noch keine Einheit</source>
        <translation>no unit yet today</translation>
    </message>
    <message>
        <source>Einheiten heute: %1, Erstdurchlauf: %2 %</source>
        <translation>Units today: %1, first pass: %2 %</translation>
    </message>
    <message>
        <source>1. Versuch</source>
        <translation>attempt 1</translation>
    </message>
    <message>
        <source>%1. Versuch — zuletzt %2 am %3, %4</source>
        <translation>attempt %1 — last %2 on %3, %4</translation>
    </message>
    <message>
        <source>%1. Versuch — bereits bestanden am %2, %3</source>
        <translation>attempt %1 — already passed on %2, %3</translation>
    </message>
    <message>
        <source>Seriennummer abgelehnt: %1</source>
        <translation>serial number refused: %1</translation>
    </message>
    <message>
        <source>Seriennummer läuft schon an %1</source>
        <translation>serial number already running at %1</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Gerät fehlt</source>
        <translation>Device missing</translation>
    </message>
    <message>
        <source>Von anderem Programm verwendet</source>
        <translation>In use by another program</translation>
    </message>
    <message>
        <source>Sperrdatei eines beendeten Prozesses</source>
        <translation>Lock file of an ended process</translation>
    </message>
    <message>
        <source>Sperrdatei keine gewöhnliche Datei</source>
        <translation>Lock file not a regular file</translation>
    </message>
    <message>
        <source>Von anderem Programm gesperrt (flock)</source>
        <translation>Locked by another program (flock)</translation>
    </message>
    <message>
        <source>Keine Berechtigung für das Gerät</source>
        <translation>No permission for the device</translation>
    </message>
    <message>
        <source>Sperrverzeichnis nicht beschreibbar</source>
        <translation>Lock directory not writable</translation>
    </message>
    <message>
        <source>Von anderem Programm exklusiv belegt</source>
        <translation>Held exclusively by another program</translation>
    </message>
    <message>
        <source>Kein serielles Gerät</source>
        <translation>Not a serial device</translation>
    </message>
    <message>
        <source>Gerät meldet sich nicht</source>
        <translation>Device does not answer</translation>
    </message>
    <message>
        <source>Ungültige Schnittstelleneinstellung</source>
        <translation>Invalid port setting</translation>
    </message>
    <message>
        <source>Einstellung nicht übernommen</source>
        <translation>Setting not accepted</translation>
    </message>
    <message>
        <source>Öffnen fehlgeschlagen</source>
        <translation>Opening failed</translation>
    </message>
    <message>
        <source>Achse beginnt bei %1, nicht bei 0 %</source>
        <translation>Axis starts at %1, not at 0 %</translation>
    </message>
    <message>
        <source>Keine fehlgeschlagenen Zeilen in diesem Zeitraum.</source>
        <translation>No failed rows in this period.</translation>
    </message>
    <message>
        <source>Keine Schnittstelle blieb in diesem Zeitraum ungeöffnet.</source>
        <translation>No port failed to open in this period.</translation>
    </message>
    <message>
        <source>Keine gemessenen Echozeiten in diesem Zeitraum.</source>
        <translation>No echo times measured in this period.</translation>
    </message>
    <message>
        <source>Aufzeichnung %1 nicht bereinigt: %2</source>
        <translation>Record %1 not pruned: %2</translation>
    </message>
    <message>
        <source>Sicherung %1 nicht geschrieben: %2</source>
        <translation>Backup %1 not written: %2</translation>
    </message>
    <message>
        <source>die Datei gibt es nicht</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>die Datei gibt es schon; eine Sicherung ersetzt keine</source>
        <translation>the file already exists; a backup replaces none</translation>
    </message>
    <message>
        <source>den Ordner %1 gibt es nicht</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>der Text eines Schritts ist weder in step_text zu finden noch hinzuzufügen</source>
        <translation>a step&apos;s text can neither be found in step_text nor added</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ZR Test und Initialisierung: testet und programmiert ein ZR-Textterminal an einer
seriellen Schnittstelle. Qts eigene Optionen wie -platform NAME, -style NAME oder
-reverse gelten ebenfalls.
Einstellungen: $XDG_CONFIG_HOME/Quendal/Quendal.conf (sonst ~/.config).
Mit --run bestimmt das schlechteste Terminal den Exit-Status: 0 alle Terminals
bestanden, 1 eines fehlgeschlagen oder abgebrochen, 3 eine Schnittstelle nicht
geöffnet, 4 unterbrochen (ein Signal oder eine verlorene Verbindung); 2 ist ein
Aufruffehler, und dann wird nichts gesendet.</source>
        <translation>ZR Test und Initialisierung: tests and programs a ZR text terminal on a serial port.
Qt&apos;s own options, such as -platform NAME, -style NAME or -reverse, also apply.
Settings: $XDG_CONFIG_HOME/Quendal/Quendal.conf (default ~/.config).
With --run, the worst terminal sets the exit status: 0 every terminal passed, 1 one
failed or was cancelled, 3 a port did not open, 4 interrupted (a signal or a lost
line); 2 is a usage error, and then nothing is sent.</translation>
    </message>
    <message>
        <source>Hilfe: quendal --help</source>
        <translation>Try &apos;quendal --help&apos;.</translation>
    </message>
    <message>
        <source>unbekanntes Argument %1</source>
        <translation>unknown argument %1</translation>
    </message>
    <message>
        <source>--com %1: die COM-Nummer muss 1 bis %2 sein, in Ziffern</source>
        <translation>--com %1: the COM number must be 1 to %2, in plain digits</translation>
    </message>
    <message>
        <source>--device: der Pfad ist leer</source>
        <translation>--device: the path is empty</translation>
    </message>
    <message>
        <source>--geometry %1: die Spalten müssen eine von %2 und die Zeilen eine von %3 sein, wie in COLSxROWS</source>
        <translation>--geometry %1: columns must be one of %2 and rows one of %3, as in COLSxROWS</translation>
    </message>
    <message>
        <source>--retries %1: muss eine ganze Zahl von 0 bis %2 sein</source>
        <translation>--retries %1: must be a whole number from 0 to %2</translation>
    </message>
    <message>
        <source>kein Terminal genannt, und die Einstellungsdatei ist nicht verwendbar: %1</source>
        <translation>no terminal named, and the settings file cannot be used: %1</translation>
    </message>
    <message>
        <source>kein Terminal genannt und keine COM-Nummer von 1 bis %1 gespeichert: --com N oder --device PATH angeben</source>
        <translation>no terminal named and no COM number from 1 to %1 stored: give --com N or --device PATH</translation>
    </message>
    <message>
        <source>%1 und %2 nennen dasselbe Gerät; jedes Terminal braucht eine eigene Schnittstelle</source>
        <translation>%1 and %2 name the same device; each terminal needs a port of its own</translation>
    </message>
    <message>
        <source>--report: der Dateiname ist leer</source>
        <translation>--report: the file name is empty</translation>
    </message>
    <message>
        <source>--report %1: das ist ein Ordner</source>
        <translation>--report %1: that is a folder</translation>
    </message>
    <message>
        <source>--report %1: die Datei darf nicht beschrieben werden</source>
        <translation>--report %1: the file may not be written to</translation>
    </message>
    <message>
        <source>--report %1: in den Ordner %2 kann nicht geschrieben werden</source>
        <translation>--report %1: the folder %2 cannot be written to</translation>
    </message>
    <message>
        <source>--report %1: das ist das Gerät von %2</source>
        <translation>--report %1: that is the device of %2</translation>
    </message>
    <message>
        <source>--report ist mehrmals angegeben; es gibt einen Bericht</source>
        <translation>--report is given more than once; there is one report</translation>
    </message>
    <message>
        <source>Die Tests ohne Fenster ausführen, auf jedem genannten Terminal gleichzeitig, dann mit einem Exit-Status enden (siehe oben).</source>
        <translation>Run the tests without a window, on every terminal named, all at once, then end with an exit status (see above).</translation>
    </message>
    <message>
        <source>Mit --run: wie oft der Schnittstellentest eines stummen Terminals wiederholt wird, bevor er abgebrochen wird (Vorgabe 0).</source>
        <translation>With --run: how often a silent terminal&apos;s interface test is retried before it is cancelled (default 0).</translation>
    </message>
    <message>
        <source>Mit --run: einen JSON-Bericht in FILE schreiben, mit - auf die Standardausgabe.</source>
        <translation>With --run: write a JSON report to FILE, or to standard output for -.</translation>
    </message>
    <message>
        <source>--%1 ist mehrmals angegeben</source>
        <translation>--%1 is given more than once</translation>
    </message>
    <message>
        <source>PORT=SERIAL erwartet</source>
        <translation>PORT=SERIAL expected</translation>
    </message>
    <message>
        <source>--unit %1: der Lauf nennt kein Terminal %2</source>
        <translation>--unit %1: the run names no terminal %2</translation>
    </message>
    <message>
        <source>--unit %1: %2 hat schon eine Seriennummer</source>
        <translation>--unit %1: %2 has a serial number already</translation>
    </message>
    <message>
        <source>--unit %1: die Seriennummer steht schon an %2</source>
        <translation>--unit %1: the serial number is already at %2</translation>
    </message>
    <message>
        <source>Mit --run: die Seriennummer SERIAL des Geräts an PORT (COM3 für --com 3, sonst der Pfad wie bei --device). Wiederholbar.</source>
        <translation>With --run: the serial number SERIAL of the unit at PORT (COM3 for --com 3, else the path as given with --device). Repeatable.</translation>
    </message>
    <message>
        <source>Der Name des Prüfplatzes (Vorgabe: der Rechnername).</source>
        <translation>The name of the test station (default: the host name).</translation>
    </message>
    <message>
        <source>Die Liniendatenbank als postgresql://-Adresse (Vorgabe: QUENDAL_DATABASE, sonst [Aufzeichnung] Datenbank= der Einstellungsdatei). Passwörter nur über ~/.pgpass oder PGPASSWORD.</source>
        <translation>The line database as a postgresql:// address (default: QUENDAL_DATABASE, else [Aufzeichnung] Datenbank= of the settings file). Passwords only through ~/.pgpass or PGPASSWORD.</translation>
    </message>
    <message>
        <source>1 bis %1 Zeichen erwartet</source>
        <translation>1 to %1 characters expected</translation>
    </message>
    <message>
        <source>nur druckbare Zeichen, keine Steuerzeichen</source>
        <translation>printable characters only, no control characters</translation>
    </message>
    <message>
        <source>kein Leerzeichen am Anfang oder Ende</source>
        <translation>no space at the start or end</translation>
    </message>
    <message>
        <source>--%1 geht nur mit %2</source>
        <translation>--%1 needs %2</translation>
    </message>
    <message>
        <source>keine Liniendatenbank gesetzt: --database URL, die Umgebung QUENDAL_DATABASE oder [Aufzeichnung] Datenbank= in den Einstellungen</source>
        <translation>no line database set: --database URL, the environment variable QUENDAL_DATABASE or [Aufzeichnung] Datenbank= in the settings</translation>
    </message>
    <message>
        <source>Wartende Läufe: %1, übertragen: %2
</source>
        <translation>Runs waiting: %1, forwarded: %2
</translation>
    </message>
    <message>
        <source>--%1 %2: kein Datum nach ISO 8601, wie 2026-12-01, 2026-12-01T08:00 oder 2026-12-01T08:00+01:00</source>
        <translation>--%1 %2: not an ISO 8601 date, such as 2026-12-01, 2026-12-01T08:00 or 2026-12-01T08:00+01:00</translation>
    </message>
    <message>
        <source>Die aufgezeichneten Läufe der Einheit mit der Seriennummer, die als Argument folgt, ausgeben, die neuesten zuerst; ohne sie die letzten 50 Läufe. Liest die Liniendatenbank, wenn eine gesetzt ist, sonst die Aufzeichnung dieser Station.</source>
        <translation>Print the recorded runs of the unit whose serial number follows as an argument, newest first; without it, the latest 50 runs. Reads the line database when one is set, else this station&apos;s record.</translation>
    </message>
    <message>
        <source>Die Ausbeute ausgeben, gezählt über die Einheiten (Läufe mit Seriennummer): Erstausbeute ist der Anteil der Einheiten, deren erster Versuch bestand, Endausbeute der Anteil, deren letzter Versuch bestand; dazu die fehlgeschlagenen Zeilen je Schritt, die Ursachen nicht geöffneter Schnittstellen und dasselbe je Station. Mit --since und --until zählen nur die Versuche im Zeitraum: der erste Versuch ist der erste darin.</source>
        <translation>Print the yield, counted over units (runs with a serial number): first-pass yield is the share of units whose first attempt passed, final yield the share whose latest attempt passed; also the failed rows per step, the causes of ports that did not open, and the same per station. With --since and --until only the attempts in that period count: the first attempt is the first one within it.</translation>
    </message>
    <message>
        <source>Die Läufe, die in der Aufzeichnung dieser Station auf die Liniendatenbank warten, jetzt übertragen; Exit-Status 1, wenn danach noch welche warten.</source>
        <translation>Forward the runs in this station&apos;s record that wait for the line database now; exit status 1 when some still wait afterwards.</translation>
    </message>
    <message>
        <source>Mit --history oder --yield: nur Läufe ab DATE, nach ISO 8601 (2026-12-01, 2026-12-01T08:00 oder 2026-12-01T08:00+01:00); ein Datum allein gilt ab seiner Mitternacht in Ortszeit.</source>
        <translation>With --history or --yield: only runs from DATE on, in ISO 8601 (2026-12-01, 2026-12-01T08:00 or 2026-12-01T08:00+01:00); a date alone counts from its midnight in local time.</translation>
    </message>
    <message>
        <source>Mit --history oder --yield: nur Läufe bis DATE; ein Datum allein schließt den ganzen Tag ein.</source>
        <translation>With --history or --yield: only runs up to DATE; a date alone includes the whole day.</translation>
    </message>
    <message>
        <source>Einheiten: %1
Erstausbeute: %2
Endausbeute: %3
Terminalläufe: %4
</source>
        <translation>Units: %1
First-pass yield: %2
Final yield: %3
Terminal runs: %4
</translation>
    </message>
    <message>
        <source>Fehlgeschlagene Zeilen je Schritt:
</source>
        <translation>Failed rows per step:
</translation>
    </message>
    <message>
        <source>Nicht geöffnete Schnittstellen:
</source>
        <translation>Ports not opened:
</translation>
    </message>
    <message>
        <source>Station %1: %2 Einheiten, Erstausbeute %3, Endausbeute %4
</source>
        <translation>Station %1: %2 units, first-pass yield %3, final yield %4
</translation>
    </message>
    <message>
        <source>--format %1: erlaubt sind text, csv, json und html</source>
        <translation>--format %1: allowed are text, csv, json and html</translation>
    </message>
    <message>
        <source>--format html geht nur mit --yield</source>
        <translation>--format html goes only with --yield</translation>
    </message>
    <message>
        <source>Mit --history oder --yield: die Ausgabe als text (Vorgabe), csv oder json; mit --yield auch html, eine Seite mit Diagrammen.</source>
        <translation>With --history or --yield: the output as text (default), csv or json; with --yield also html, a page with charts.</translation>
    </message>
    <message>
        <source>Mit --yield: die Ausgabe in FILE schreiben, als Ganzes, statt auf die Standardausgabe.</source>
        <translation>With --yield: write the output to FILE, whole, instead of to standard output.</translation>
    </message>
    <message>
        <source>Mit --run oder --slots: wer prüft (Vorgabe: der Anmeldename).</source>
        <translation>With --run or --slots: who tests (default: the login name).</translation>
    </message>
    <message>
        <source>%1: %2 ist keine COM-Nummer von 1 bis %3</source>
        <translation>%1: %2 is no COM number from 1 to %3</translation>
    </message>
    <message>
        <source>kein Platz genannt, und die Einstellungsdatei %1 ist nicht lesbar</source>
        <translation>no slot named, and the settings file %1 cannot be read</translation>
    </message>
    <message>
        <source>kein Platz genannt: --com N oder --device PATH angeben, oder die Plätze in %1 der Einstellungsdatei eintragen</source>
        <translation>no slot named: give --com N or --device PATH, or enter the slots in %1 of the settings file</translation>
    </message>
    <message>
        <source>%1 Plätze genannt; ein Prüfplatz hat höchstens %2</source>
        <translation>%1 slots named; a test station has at most %2</translation>
    </message>
    <message>
        <source>Das Fenster des Prüfplatzes öffnen: ein Platz je Terminal (--com, --device oder [Pruefplatz] Plaetze=), gestartet durch das Scannen einer Seriennummer.</source>
        <translation>Open the test station window: one slot per terminal (--com, --device or [Pruefplatz] Plaetze=), started by scanning a serial number.</translation>
    </message>
    <message>
        <source>Mit --run oder --slots: ein Terminal an der COM-Nummer N (1 bis 16), wie das Fenster sie zuordnet. Wiederholbar. Vorgabe: die gespeicherte COM-Nummer (--run) oder [Pruefplatz] Plaetze= (--slots).</source>
        <translation>With --run or --slots: a terminal on COM number N (1 to 16), as the window maps it. May be repeated. Default: the stored COM number (--run) or [Pruefplatz] Plaetze= (--slots).</translation>
    </message>
    <message>
        <source>Mit --run oder --slots: ein Terminal am Gerät PATH. Wiederholbar.</source>
        <translation>With --run or --slots: a terminal on the device PATH. May be repeated.</translation>
    </message>
    <message>
        <source>Mit --run oder --slots: die Displaygeometrie, wie die Listen des Fensters sie anbieten (Vorgabe 20x4).</source>
        <translation>With --run or --slots: the display geometry, as the window&apos;s lists offer it (default 20x4).</translation>
    </message>
    <message>
        <source>--run, --slots, --history, --yield, --forward, --prune und --backup schließen einander aus</source>
        <translation>--run, --slots, --history, --yield, --forward, --prune and --backup exclude one another</translation>
    </message>
    <message>
        <source>Entfernte Terminalläufe: %1 (Läufe: %2)
Behalten, weil sie warten oder beiseitegelegt sind: %3
Behalten, weil die Liniendatenbank sie nicht hat: %4
Dateigröße: %5 Bytes vorher, %6 Bytes nachher
</source>
        <translation>Terminal runs removed: %1 (runs: %2)
Kept because they wait or are set aside: %3
Kept because the line database lacks them: %4
File size: %5 bytes before, %6 bytes after
</translation>
    </message>
    <message>
        <source>%1 Terminalläufe sind als übertragen vermerkt, aber nicht in der Liniendatenbank %2; sie bleiben in der Aufzeichnung der Station</source>
        <translation>%1 terminal runs are marked forwarded but are not in the line database %2; they stay in the station&apos;s record</translation>
    </message>
    <message>
        <source>Sicherung %1 geschrieben: %2 Bytes
</source>
        <translation>Backup %1 written: %2 bytes
</translation>
    </message>
    <message>
        <source>--prune braucht --before DATE</source>
        <translation>--prune needs --before DATE</translation>
    </message>
    <message>
        <source>--backup braucht einen Dateinamen</source>
        <translation>--backup needs a file name</translation>
    </message>
    <message>
        <source>Aus der Aufzeichnung dieser Station die Terminalläufe entfernen, die vor --before DATE begannen und nachweislich in der Liniendatenbank sind, und den Platz freigeben; wartende und beiseitegelegte bleiben.</source>
        <translation>Remove from this station&apos;s record the terminal runs that started before --before DATE and that the line database is shown to hold, and give the space back; runs that wait or are set aside stay.</translation>
    </message>
    <message>
        <source>Mit --prune: Läufe, die vor DATE begannen, nach ISO 8601 wie bei --since.</source>
        <translation>With --prune: runs that started before DATE, in ISO 8601 as with --since.</translation>
    </message>
    <message>
        <source>Eine stimmige Kopie der Aufzeichnung dieser Station nach FILE schreiben, auch während Läufe in sie schreiben; FILE darf es noch nicht geben.</source>
        <translation>Write a consistent copy of this station&apos;s record to FILE, even while runs write to it; FILE must not exist yet.</translation>
    </message>
</context>
</TS>
