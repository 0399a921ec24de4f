<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Strings</name>
    <message>
        <source>Update Vordalis to version %s</source>
        <translation>Обновить Vordalis до версии %s</translation>
    </message>
    <message>
        <source>New version available!</source>
        <translation>Доступна новая версия!</translation>
    </message>
    <message>
        <source>It is not possible to run %s with a broken FTP connection.&#xd;
Press [Finish] or [Cancel] to terminate %s.</source>
        <translation>Невозможно запустить %s при разорванном FTP-соединении.&#xd;
Нажмите [Готово] или [Отмена], чтобы завершить %s.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Подключение...</translation>
    </message>
    <message>
        <source>There is no update available. &#xd;
You are already using the most recent version of %s.</source>
        <translation>Обновлений нет. &#xd;
Вы уже используете самую последнюю версию %s.</translation>
    </message>
    <message>
        <source>Found a newer version of %s on the server. &#xd;
 Server version: %s &#xd;
 Your version: %s</source>
        <translation>На сервере найдена более новая версия %s. &#xd;
 Версия на сервере: %s &#xd;
 Ваша версия: %s</translation>
    </message>
    <message>
        <source>Downloading %s</source>
        <translation>Загрузка %s</translation>
    </message>
    <message>
        <source>%s MB downloaded</source>
        <translation>Загружено %s МБ</translation>
    </message>
    <message>
        <source>Unknown error while downloading.</source>
        <translation>Неизвестная ошибка при загрузке.</translation>
    </message>
    <message>
        <source>Receiving update information...</source>
        <translation>Получение информации об обновлении...</translation>
    </message>
    <message>
        <source>Searching update for %s</source>
        <translation>Поиск обновления для %s</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Далее &gt;</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Назад</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Готово</translation>
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
    <name>vordalis::CPageDownload</name>
    <message>
        <source>Downloading...</source>
        <translation>Загрузка...</translation>
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
        <source>The installer %1 could not be opened.</source>
        <translation>Не удалось открыть программу установки %1.</translation>
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
</context>
</TS>
