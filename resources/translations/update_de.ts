<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Strings</name>
    <message>
        <source>Update Vordalis to version %s</source>
        <translation>Vordalis auf Version %s aktualisieren</translation>
    </message>
    <message>
        <source>New version available!</source>
        <translation>Neue Version verfügbar!</translation>
    </message>
    <message>
        <source>It is not possible to run %s with a broken FTP connection.&#xd;
Press [Finish] or [Cancel] to terminate %s.</source>
        <translation>%s kann mit einer unterbrochenen FTP-Verbindung nicht ausgeführt werden.&#xd;
Drücken Sie [Fertig stellen] oder [Abbrechen], um %s zu beenden.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>There is no update available. &#xd;
You are already using the most recent version of %s.</source>
        <translation>Es ist kein Update verfügbar. &#xd;
Sie verwenden bereits die neueste Version von %s.</translation>
    </message>
    <message>
        <source>Found a newer version of %s on the server. &#xd;
 Server version: %s &#xd;
 Your version: %s</source>
        <translation>Auf dem Server wurde eine neuere Version von %s gefunden. &#xd;
 Server-Version: %s &#xd;
 Ihre Version: %s</translation>
    </message>
    <message>
        <source>Downloading %s</source>
        <translation>%s wird heruntergeladen</translation>
    </message>
    <message>
        <source>%s MB downloaded</source>
        <translation>%s MB heruntergeladen</translation>
    </message>
    <message>
        <source>Unknown error while downloading.</source>
        <translation>Unbekannter Fehler beim Herunterladen.</translation>
    </message>
    <message>
        <source>Receiving update information...</source>
        <translation>Update-Informationen werden empfangen...</translation>
    </message>
    <message>
        <source>Searching update for %s</source>
        <translation>Suche nach Update für %s</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
</context>
<context>
    <name>vordalis::CPageSearch</name>
    <message>
        <source>Searching for updates...</source>
        <translation>Suche nach Updates...</translation>
    </message>
</context>
<context>
    <name>vordalis::CPageDownload</name>
    <message>
        <source>Downloading...</source>
        <translation>Herunterladen...</translation>
    </message>
</context>
<context>
    <name>vordalis::UpdateHooks</name>
    <message>
        <source>Check for &amp;updates...</source>
        <translation>Nach &amp;Updates suchen...</translation>
    </message>
    <message>
        <source>Look for a newer version of Vordalis on the server</source>
        <translation>Auf dem Server nach einer neueren Version von Vordalis suchen</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
</context>
<context>
    <name>vordalis::CAutoUpdate</name>
    <message>
        <source>The folder %1 cannot be opened on the server.</source>
        <translation>Der Ordner %1 kann auf dem Server nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Das Herunterladen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The installer %1 could not be opened.</source>
        <translation>Das Installationsprogramm %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Checking the signature of %1...</source>
        <translation>Die Signatur von %1 wird geprüft...</translation>
    </message>
    <message>
        <source>The installer %1 has no signature on the server, so it cannot be trusted. It was deleted and not opened.</source>
        <translation>Das Installationsprogramm %1 hat auf dem Server keine Signatur, daher ist ihm nicht zu trauen. Es wurde gelöscht und nicht geöffnet.</translation>
    </message>
    <message>
        <source>The installer %1 cannot be checked: the key file %2 is missing. It was deleted and not opened.</source>
        <translation>Das Installationsprogramm %1 kann nicht geprüft werden: Die Schlüsseldatei %2 fehlt. Es wurde gelöscht und nicht geöffnet.</translation>
    </message>
    <message>
        <source>The installer %1 cannot be checked: the program gpgv is not installed. It was deleted and not opened.</source>
        <translation>Das Installationsprogramm %1 kann nicht geprüft werden: Das Programm gpgv ist nicht installiert. Es wurde gelöscht und nicht geöffnet.</translation>
    </message>
    <message>
        <source>The signature of the installer %1 is not valid. It was deleted and not opened.</source>
        <translation>Die Signatur des Installationsprogramms %1 ist ungültig. Es wurde gelöscht und nicht geöffnet.</translation>
    </message>
</context>
</TS>
