<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Strings</name>
    <message>
        <source>Update Vordalis to version %s</source>
        <translation>将 Vordalis 更新到版本 %s</translation>
    </message>
    <message>
        <source>New version available!</source>
        <translation>有新版本可用！</translation>
    </message>
    <message>
        <source>It is not possible to run %s with a broken FTP connection.&#xd;
Press [Finish] or [Cancel] to terminate %s.</source>
        <translation>FTP 连接中断，无法运行 %s。&#xd;
请按 [完成] 或 [取消] 退出 %s。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>There is no update available. &#xd;
You are already using the most recent version of %s.</source>
        <translation>没有可用的更新。 &#xd;
您使用的已经是 %s 的最新版本。</translation>
    </message>
    <message>
        <source>Found a newer version of %s on the server. &#xd;
 Server version: %s &#xd;
 Your version: %s</source>
        <translation>在服务器上找到 %s 的更新版本。 &#xd;
 服务器版本：%s &#xd;
 您的版本：%s</translation>
    </message>
    <message>
        <source>Downloading %s</source>
        <translation>正在下载 %s</translation>
    </message>
    <message>
        <source>%s MB downloaded</source>
        <translation>已下载 %s MB</translation>
    </message>
    <message>
        <source>Unknown error while downloading.</source>
        <translation>下载时发生未知错误。</translation>
    </message>
    <message>
        <source>Receiving update information...</source>
        <translation>正在接收更新信息...</translation>
    </message>
    <message>
        <source>Searching update for %s</source>
        <translation>正在搜索 %s 的更新</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>下一步 &gt;</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; 上一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>vordalis::CPageSearch</name>
    <message>
        <source>Searching for updates...</source>
        <translation>正在搜索更新...</translation>
    </message>
</context>
<context>
    <name>vordalis::CPageDownload</name>
    <message>
        <source>Downloading...</source>
        <translation>正在下载...</translation>
    </message>
</context>
<context>
    <name>vordalis::UpdateHooks</name>
    <message>
        <source>Check for &amp;updates...</source>
        <translation>检查更新(&amp;U)...</translation>
    </message>
    <message>
        <source>Look for a newer version of Vordalis on the server</source>
        <translation>在服务器上查找 Vordalis 的新版本</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>检查更新</translation>
    </message>
</context>
<context>
    <name>vordalis::CAutoUpdate</name>
    <message>
        <source>The folder %1 cannot be opened on the server.</source>
        <translation>无法打开服务器上的文件夹 %1。</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>下载已取消。</translation>
    </message>
    <message>
        <source>The installer %1 could not be opened.</source>
        <translation>无法打开安装程序 %1。</translation>
    </message>
    <message>
        <source>Checking the signature of %1...</source>
        <translation>正在检查 %1 的签名...</translation>
    </message>
    <message>
        <source>The installer %1 has no signature on the server, so it cannot be trusted. It was deleted and not opened.</source>
        <translation>安装程序 %1 在服务器上没有签名，因此不可信。它已被删除，未被打开。</translation>
    </message>
    <message>
        <source>The installer %1 cannot be checked: the key file %2 is missing. It was deleted and not opened.</source>
        <translation>无法检查安装程序 %1：密钥文件 %2 不存在。它已被删除，未被打开。</translation>
    </message>
    <message>
        <source>The installer %1 cannot be checked: the program gpgv is not installed. It was deleted and not opened.</source>
        <translation>无法检查安装程序 %1：未安装程序 gpgv。它已被删除，未被打开。</translation>
    </message>
    <message>
        <source>The signature of the installer %1 is not valid. It was deleted and not opened.</source>
        <translation>安装程序 %1 的签名无效。它已被删除，未被打开。</translation>
    </message>
</context>
</TS>
