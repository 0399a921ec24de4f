#include "transfer/Messages.h"

#include "settings/Settings.h"

#include <array>

namespace vordalis::transfer {
namespace {

using Row = std::array<const char*, 4>;

// One row per key, in the order of Msg.
const std::array<Row, static_cast<size_t>(Msg::Count)> kTable{{
    {" Ready for data transfer", " Prêt pour transfert données", " Bereit für Datenübertragung",
     " 准备数据传输"},
    {" Please wait", " S.v.p. attendre", " Bitte warten", " 请等待"},
    {" o.k.", " o.k.", " o.k.", " 确定"},
    {"No %s at COM%d.", "Aucun %s an COM%d.", "Kein %s an COM%d.", "COM%d 中无 %s。"},
    {"COM%d not available.", "COM%d pas accessible.", "Com%d nicht verfügbar.", "COM%d 不可用。"},
    {"No serial ports available.\nPlease close all applications \nusing RS232 ports.",
     "Pas de port serie à disposition. \nFermer toutes les applications s.v.p., \nEmployer les ports RS232.",
     "Keine seriellen Schnittstellen verfügbar. \nSchliessen Sie bitte alle Anwendungen, \ndie RS232 "
     "Schnittstellen benutzen.",
     "没有可用串口。\n请用 RS232 端口\n关闭全部应用程序。"},
    {"Data not valid or data transmission error", "Données non valables / erreur de transmission",
     "Daten ungültig oder Übertragungsfehler", "数据无效或数据传输错误"},
    {"COM%d input error", "COM%d Entrée erronée", "COM%d Eingabefehler", "COM%d 输入错误"},
    {"Data set %s already loaded! Overwrite?", "Ensemble données %s est déjà chargé! Couvrir?",
     "Datensatz %s ist bereits geladen! Überschreiben?", "已加载数据集 %s!覆盖吗?"},
    {"File %s already exists! Delete?", "Fichier %s existe déjà! Couvrir?",
     "Datei %s existiert bereits! Überschreiben?", "文件 %s 已经存在!删除吗?"},
    {"Folder %s does not exist or cannot be created.",
     "Répertoire %s n'existe pas \nou ne peut pas être créé.",
     "Ordner %s existiert nicht \noder kann nicht angelegt werden.", "文件夹 %s 不存在或不能被创建。"},
    {"Cannot open temporary output file %s.\nPlease ensure that directory exists and file is not write "
     "protected.",
     "Fichier temp. de sortie des données %s ne peut pas être ouvert.\nContrôler si le répertoire est "
     "existant "
     "et le fichier non protégé.",
     "Temporäre Ausgabedatei %s kann nicht geöffnet werden.\nStellen Sie sicher, dass das Verzeichnis "
     "angelegt "
     "ist und die Datei nicht schreibgeschützt ist.",
     "不能打开临时输出文件 %s。\n请确保目录存在并且文件未被写保护。"},
    {"Error writing to file %s.\nPlease ensure that file or folder \nis not write protected.",
     "Erreur d'écriture dans le fichier %s. \nContrôler si le fichier \nou le répertoire n'est pas protégé.",
     "Fehler beim Schreiben in Datei %s.\nStellen Sie sicher, dass die Datei \noder der Ordner nicht "
     "schreibgeschützt ist.",
     "写文件 %s 错误。\n请确保此文件或\n文件夹未被写保护。"},
    {"Error reading from file %s", "Erreur de lecture du fichier %s", "Fehler beim Lesen aus Datei %s",
     "读取文件 %s 错误"},
    {"General error", "Erreur générale", "Allgemeiner Fehler", "一般错误"},
    {"Folder %s does not exist", "Répertoire inconnu %s", "Unbekannter Ordner %s", "文件夹 %s 不存在"},
    {"&Port", "&Interface", "&Schnittstelle", "端口(&P)"},
    {"&Instrument", "&Appareil", "&Gerät", "仪器(&I)"},
    {"Save in", "Sauvegarder sous", "Speichern in", "保存在"},
    {"&Close", "&Fermer", "S&chließen", "关闭(&C)"},
    {"&Abort", "&Annuler", "A&bbrechen", "中止(&A)"},
    {"&Browse", "&Parcourir", "&Durchsuchen", "浏览(&B)"},
    {"Save se&lected", "&Sauvegarder choix", "&Auswahl speichern", "保存已选部分(&L)"},
    {"Load", "Charger", "Laden", "加载"},
    {" Select an object", " Choisissez un objet", " Wählen Sie ein Objekt", " 选择对象"},
    {"The name %s sent by the instrument cannot be used as a file or folder name.\nThe object was not "
     "saved.",
     "Le nom %s envoyé par l'appareil ne peut pas servir de nom de fichier ou de répertoire.\nL'objet n'a "
     "pas été sauvegardé.",
     "Der vom Gerät gesendete Name %s kann nicht als Datei- oder Ordnername dienen.\nDas Objekt wurde "
     "nicht gespeichert.",
     "仪器发送的名称 %s 不能用作文件名或文件夹名。\n对象未保存。"},
}};

} // namespace

int LanguageFromSettings() {
    const int32_t value = settings::ReadDword(settings::kLanguage, 0);
    return value >= 0 && value <= 3 ? value : 0;
}

std::string Text(Msg key, int language) {
    const auto row = static_cast<size_t>(key);
    if (row >= kTable.size()) return {};
    return kTable[row][language >= 0 && language <= 3 ? language : 0];
}

std::string Format(Msg key, int language, const std::string& text, int number) {
    const std::string pattern = Text(key, language);
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            if (pattern[i + 1] == 's') {
                out += text;
                ++i;
                continue;
            }
            if (pattern[i + 1] == 'd') {
                out += std::to_string(number);
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

std::string MessageOf(const IoSysError& e, int language, int portNumber, const std::string& displayName) {
    switch (e.code) {
    case SysErrorCode::NoPorts:
        return Text(Msg::NoPorts, language);
    case SysErrorCode::PortUnavailable:
        return Format(Msg::PortUnavailable, language, {}, portNumber);
    case SysErrorCode::NoInstrument:
        return Format(Msg::NoInstrument, language, displayName, portNumber);
    case SysErrorCode::DataInvalid:
        return Text(Msg::DataInvalid, language);
    case SysErrorCode::ShortInput:
        return Format(Msg::InputError, language, {}, portNumber);
    default:
        return Text(Msg::GeneralError, language);
    }
}

std::string MessageOf(const IoFileError& e, int language) {
    switch (e.code) {
    case FileErrorCode::FolderNotCreated:
        return Format(Msg::FolderNotCreated, language, e.file);
    case FileErrorCode::TempFile:
        return Format(Msg::TempFile, language, e.file);
    case FileErrorCode::ReadFailed:
        return Format(Msg::ReadError, language, e.file);
    case FileErrorCode::WriteFailed:
        return Format(Msg::WriteError, language, e.file);
    case FileErrorCode::UnsafeName:
        return Format(Msg::UnsafeName, language, e.file);
    default:
        return Text(Msg::GeneralError, language);
    }
}

} // namespace vordalis::transfer
