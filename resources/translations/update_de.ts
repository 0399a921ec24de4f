<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
    <message>
        <source>The installer %1 could not be opened.</source>
        <translation>Das Installationsprogramm %1 konnte nicht geöffnet werden.</translation>
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
    <name>vordalis::CPageSearch</name>
    <message>
        <source>Searching for updates...</source>
        <translation>Suche nach Updates...</translation>
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
</TS>
