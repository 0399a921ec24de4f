<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>vordalis::CAutoUpdate</name>
    <message>
        <source>The folder %1 cannot be opened on the server.</source>
        <translation>Не удаётся открыть папку %1 на сервере.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Загрузка отменена.</translation>
    </message>
    <message>
        <source>Checking the signature of %1...</source>
        <translation>Проверка подписи %1...</translation>
    </message>
    <message>
        <source>The installer %1 has no signature on the server, so it cannot be trusted. It was deleted and not opened.</source>
        <translation>У программы установки %1 нет подписи на сервере, поэтому ей нельзя доверять. Она удалена и не открыта.</translation>
    </message>
    <message>
        <source>The installer %1 cannot be checked: the key file %2 is missing. It was deleted and not opened.</source>
        <translation>Программу установки %1 невозможно проверить: файл ключей %2 отсутствует. Она удалена и не открыта.</translation>
    </message>
    <message>
        <source>The installer %1 cannot be checked: the program gpgv is not installed. It was deleted and not opened.</source>
        <translation>Программу установки %1 невозможно проверить: программа gpgv не установлена. Она удалена и не открыта.</translation>
    </message>
    <message>
        <source>The signature of the installer %1 is not valid. It was deleted and not opened.</source>
        <translation>Подпись программы установки %1 недействительна. Она удалена и не открыта.</translation>
    </message>
    <message>
        <source>The installer %1 could not be opened.</source>
        <translation>Не удалось открыть программу установки %1.</translation>
    </message>
</context>
<context>
    <name>vordalis::CPageDownload</name>
    <message>
        <source>Downloading...</source>
        <translation>Загрузка...</translation>
    </message>
</context>
<context>
    <name>vordalis::CPageSearch</name>
    <message>
        <source>Searching for updates...</source>
        <translation>Поиск обновлений...</translation>
    </message>
</context>
<context>
    <name>vordalis::UpdateHooks</name>
    <message>
        <source>Check for &amp;updates...</source>
        <translation>Проверить &amp;обновления...</translation>
    </message>
    <message>
        <source>Look for a newer version of Vordalis on the server</source>
        <translation>Найти более новую версию Vordalis на сервере</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Проверить обновления</translation>
    </message>
</context>
</TS>
