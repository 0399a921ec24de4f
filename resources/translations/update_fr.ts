<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>vordalis::CAutoUpdate</name>
    <message>
        <source>The folder %1 cannot be opened on the server.</source>
        <translation>Le dossier %1 ne peut pas être ouvert sur le serveur.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Le téléchargement a été annulé.</translation>
    </message>
    <message>
        <source>Checking the signature of %1...</source>
        <translation>Vérification de la signature de %1...</translation>
    </message>
    <message>
        <source>The installer %1 has no signature on the server, so it cannot be trusted. It was deleted and not opened.</source>
        <translation>Le programme d&apos;installation %1 n&apos;a pas de signature sur le serveur, on ne peut donc pas s&apos;y fier. Il a été supprimé et n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>The installer %1 cannot be checked: the key file %2 is missing. It was deleted and not opened.</source>
        <translation>Le programme d&apos;installation %1 ne peut pas être vérifié : le fichier de clés %2 est absent. Il a été supprimé et n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>The installer %1 cannot be checked: the program gpgv is not installed. It was deleted and not opened.</source>
        <translation>Le programme d&apos;installation %1 ne peut pas être vérifié : le programme gpgv n&apos;est pas installé. Il a été supprimé et n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>The signature of the installer %1 is not valid. It was deleted and not opened.</source>
        <translation>La signature du programme d&apos;installation %1 n&apos;est pas valide. Il a été supprimé et n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>The installer %1 could not be opened.</source>
        <translation>Le programme d&apos;installation %1 n&apos;a pas pu être ouvert.</translation>
    </message>
</context>
<context>
    <name>vordalis::CPageDownload</name>
    <message>
        <source>Downloading...</source>
        <translation>Téléchargement...</translation>
    </message>
</context>
<context>
    <name>vordalis::CPageSearch</name>
    <message>
        <source>Searching for updates...</source>
        <translation>Recherche de mises à jour...</translation>
    </message>
</context>
<context>
    <name>vordalis::UpdateHooks</name>
    <message>
        <source>Check for &amp;updates...</source>
        <translation>Rechercher des &amp;mises à jour...</translation>
    </message>
    <message>
        <source>Look for a newer version of Vordalis on the server</source>
        <translation>Rechercher une version plus récente de Vordalis sur le serveur</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
</context>
</TS>
