#!/usr/bin/env python3
"""Writes resources/translations/jgj_<lang>.ts: the texts of the China-standard object, the
summaries and their dialogs in French, German, Chinese and Russian."""
import os
from xml.sax.saxutils import escape

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LANGS = ["fr", "de", "zh_CN", "ru"]

# context -> [(source, fr, de, zh_CN, ru)]
TEXTS = {
    "Strings": [
        ("Concrete placing", "Mise en place du béton", "Betoniervorgang", "混凝土浇筑面", "Укладка бетона"),
        ("Conversion", "Conversion", "Umrechnung", "换算", "Пересчёт"),
        ("Pump concrete", "Béton pompé", "Pumpbeton", "泵送混凝土", "Бетон, подаваемый насосом"),
        ("With impact direction", "Avec direction de frappe", "Mit Schlagrichtung", "角度修正后", "С учётом направления удара"),
        ("With concrete placing", "Avec mise en place", "Mit Betoniervorgang", "浇筑面修正后", "С учётом укладки"),
        ("With carbonation depth", "Avec profondeur de carbonatation", "Mit Karbonatisierungstiefe", "碳化深度修正后", "С учётом карбонизации"),
        ("With pump concrete", "Avec béton pompé", "Mit Pumpbeton", "泵送修正后", "С учётом подачи насосом"),
        ("ON", "OUI", "EIN", "开", "ВКЛ"),
        ("OFF", "NON", "AUS", "关", "ВЫКЛ"),
        ("Side", "Côté", "Seite", "侧面", "Боковая"),
        ("Top", "Dessus", "Oben", "表面", "Верхняя"),
        ("Bottom", "Dessous", "Unten", "底面", "Нижняя"),
        ("General conversion", "Conversion générale", "Allgemeine Umrechnung", "通用换算", "Общий пересчёт"),
        ("Title : mean rebound value [R]", "Titre : valeur de rebond moyenne [R]", "Titel : mittlerer Rückprallwert [R]", "标题 : 平均回弹值 [R]", "Название : среднее значение отскока [R]"),
        ("Title : mean value f2 [MPa]", "Titre : valeur moyenne f2 [MPa]", "Titel : Mittelwert f2 [MPa]", "标题 : 平均值 f2 [MPa]", "Название : среднее значение f2 [MPa]"),
        ("Number of measurement series", "Nombre de séries de mesures", "Anzahl Messreihen", "测区数", "Количество серий измерений"),
        ("Component strength", "Résistance de l'élément", "Bauteilfestigkeit", "构件强度推定值", "Прочность элемента"),
        ("Summary mean value", "Valeur moyenne du résumé", "Mittelwert der Zusammenfassung", "汇总平均值", "Среднее значение сводки"),
        ("Summary mean compr. strength", "Résistance moyenne du résumé", "Gesamt: mittl. Druckfestigkeit", "汇总平均抗压强度", "Средняя прочность сводки"),
        ("Mean value", "Valeur moyenne", "Mittelwert", "平均值", "Среднее значение"),
        ("Minimum value", "Valeur minimale", "Minimalwert", "最小值", "Минимальное значение"),
        ("Maximum value", "Valeur maximale", "Maximalwert", "最大值", "Максимальное значение"),
        ("Summary median value", "Valeur médiane du résumé", "Median der Zusammenfassung", "汇总中位值", "Медиана сводки"),
        ("Summary median compr. strength", "Résistance médiane du résumé", "Gesamt: Median-Druckfestigkeit", "汇总中位抗压强度", "Медианная прочность сводки"),
        ("Files", "Fichiers", "Dateien", "文件", "Файлы"),
        ("Out of Range (<10 MPa or >60MPa) ", "Hors plage (<10 MPa ou >60MPa) ", "Außerhalb des Bereichs (<10 MPa oder >60MPa) ", "超出范围 (<10 MPa 或 >60MPa) ", "Вне диапазона (<10 MPa или >60MPa) "),
    ],
    "vordalis::CTorvFensterChina": [
        ("Torvihammer Settings", "Réglages Torvihammer", "Torvihammer-Einstellungen", "Torvihammer 设置", "Настройки Torvihammer"),
        ("Conversion", "Conversion", "Umrechnung", "换算", "Пересчёт"),
        ("General conversion", "Conversion générale", "Allgemeine Umrechnung", "通用换算", "Общий пересчёт"),
        ("Initial settings", "Réglages initiaux", "Ausgangseinstellungen", "初始设置", "Исходные настройки"),
        ("Parameters", "Paramètres", "Parameter", "参数", "Параметры"),
        ("Impact direction", "Direction de frappe", "Schlagrichtung", "回弹角度", "Направление удара"),
        ("Concrete placing", "Mise en place du béton", "Betoniervorgang", "混凝土浇筑面", "Укладка бетона"),
        ("Carbonation depth", "Profondeur de carbonatation", "Karbonatisierungstiefe", "碳化深度", "Глубина карбонизации"),
        ("mm", "mm", "mm", "mm", "мм"),
        ("Pump concrete", "Béton pompé", "Pumpbeton", "泵送混凝土", "Бетон, подаваемый насосом"),
        ("Top", "Dessus", "Oben", "表面", "Верхняя"),
        ("Side", "Côté", "Seite", "侧面", "Боковая"),
        ("Bottom", "Dessous", "Unten", "底面", "Нижняя"),
    ],
    "vordalis::CSelectSummery": [
        ("Select summary", "Choisir le résumé", "Zusammenfassung wählen", "选择汇总", "Выбор сводки"),
        ("Torvihammer", "Torvihammer", "Torvihammer", "Torvihammer", "Torvihammer"),
        ("Torvihammer China", "Torvihammer Chine", "Torvihammer China", "Torvihammer 中国", "Torvihammer Китай"),
        ("Single component evaluation", "Évaluation d'un élément isolé", "Einzelbauteilbewertung", "单个构件检测", "Оценка отдельного элемента"),
        ("Batch component evaluation", "Évaluation par lot", "Losweise Bauteilbewertung", "批量构件检测", "Пакетная оценка элементов"),
        ("Vordalis Object Files (*.vdo)", "Fichiers objet Vordalis (*.vdo)", "Vordalis-Objektdateien (*.vdo)", "Vordalis 对象文件 (*.vdo)", "Файлы объектов Vordalis (*.vdo)"),
        ("All Files (*)", "Tous les fichiers (*)", "Alle Dateien (*)", "所有文件 (*)", "Все файлы (*)"),
    ],
    "vordalis::CDetailview": [
        ("Detail view", "Vue détaillée", "Detailansicht", "详细视图", "Подробный вид"),
    ],
}

for i, lang in enumerate(LANGS):
    out = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>", '<TS version="2.1" language="%s">' % lang]
    for context, rows in TEXTS.items():
        out.append("<context>")
        out.append("    <name>%s</name>" % context)
        for row in rows:
            out.append("    <message>")
            out.append("        <source>%s</source>" % escape(row[0]))
            out.append("        <translation>%s</translation>" % escape(row[1 + i]))
            out.append("    </message>")
        out.append("</context>")
    out.append("</TS>")
    with open(os.path.join(ROOT, "resources", "translations", "jgj_%s.ts" % lang), "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")
