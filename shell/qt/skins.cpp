#include "shell/qt/skins.h"

#include <QApplication>
#include <QFile>
#include <array>
#include <utility>

namespace view {
namespace {

struct Palette {
    const char *name, *window, *text, *base, *accent, *accentText, *border, *bar1, *bar2, *barText, *button1,
        *button2, *buttonText, *hover, *disabled, *radius;
};

// The style sheet's placeholders and the palette entry each one takes.
const std::array<std::pair<const char*, const char* Palette::*>, 15> kPlaceholders = {{
    {"window", &Palette::window},         {"text", &Palette::text},         {"base", &Palette::base},
    {"accent", &Palette::accent},         {"accentText", &Palette::accentText}, {"border", &Palette::border},
    {"bar1", &Palette::bar1},             {"bar2", &Palette::bar2},         {"barText", &Palette::barText},
    {"button1", &Palette::button1},       {"button2", &Palette::button2},   {"buttonText", &Palette::buttonText},
    {"hover", &Palette::hover},           {"disabled", &Palette::disabled}, {"radius", &Palette::radius},
}};

const std::array<Palette, kSkins> kPalettes = {{
    // name, window, text, base, accent, accentText, border, bar1, bar2, barText,
    // button1, button2, buttonText, hover, disabled, radius
    {"湖水蓝", "#E8F0FA", "#1A2A40", "#FFFFFF", "#3A78C8", "#FFFFFF", "#8FAACC", "#F4F8FE", "#C9DBF2", "#1A2A40",
     "#FFFFFF", "#D5E3F5", "#1A2A40", "#DCE9FA", "#98A4B4", "3"},
    {"翡翠绿", "#E9F4EA", "#1C3320", "#FBFFFB", "#2E8B57", "#FFFFFF", "#8DBB95", "#F3FAF3", "#C4E2C7", "#1C3320",
     "#FFFFFF", "#CFE8D2", "#1C3320", "#DDF0DF", "#97A99A", "4"},
    {"丁香紫", "#F1ECF7", "#2C1F3D", "#FFFFFF", "#7A4FB0", "#FFFFFF", "#B3A0CC", "#F8F4FC", "#DCCDEE", "#2C1F3D",
     "#FFFFFF", "#E3D8F0", "#2C1F3D", "#EBE1F7", "#A89CB6", "5"},
    {"琥珀橙", "#FBF1E4", "#3D2610", "#FFFDF9", "#D9772B", "#FFFFFF", "#D4AE86", "#FFF7EC", "#F3D3AC", "#3D2610",
     "#FFFFFF", "#F6DDBE", "#3D2610", "#FBE8D0", "#B5A290", "3"},
    {"石墨灰", "#3A3D42", "#E6E6E6", "#2A2C30", "#5E9CE0", "#FFFFFF", "#5A5E66", "#4A4E55", "#33363B", "#E6E6E6",
     "#555A62", "#41454B", "#E6E6E6", "#4F545C", "#7D8289", "2"},
    {"樱花粉", "#FBEDF1", "#40202A", "#FFFFFF", "#D0577D", "#FFFFFF", "#DDA9B9", "#FFF6F8", "#F5CFDA", "#40202A",
     "#FFFFFF", "#F7DAE3", "#40202A", "#FBE3EA", "#B89CA5", "6"},
    {"海洋青", "#E4F4F4", "#0F3434", "#FAFFFF", "#14898C", "#FFFFFF", "#84BDBE", "#F0FAFA", "#BFE3E3", "#0F3434",
     "#FFFFFF", "#CBE9E9", "#0F3434", "#D6EFEF", "#8EA8A8", "2"},
    {"酒红", "#F4E9E9", "#3A1414", "#FFFCFC", "#8E2433", "#FFFFFF", "#C39A9E", "#F9F1F1", "#E4C5C8", "#3A1414",
     "#FFFFFF", "#EAD3D5", "#3A1414", "#F1DFE1", "#AD9799", "3"},
    {"沙漠金", "#F5F0DC", "#3B3212", "#FFFEF6", "#B08A1E", "#FFFFFF", "#CDBE86", "#FBF8EA", "#E8DDAE", "#3B3212",
     "#FFFFFF", "#EEE5C0", "#3B3212", "#F3ECCE", "#ADA587", "1"},
    {"夜空蓝", "#1E2A44", "#DDE6F5", "#16203A", "#F0B429", "#1E2A44", "#3D4E72", "#2C3B5E", "#1B2641", "#DDE6F5",
     "#34466D", "#26345A", "#DDE6F5", "#33456A", "#7080A0", "4"},
}};

QString sheetTemplate() {
    QFile file(QStringLiteral(":/skins/skin.qss"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

QString skinStyleSheet(int index) {
    if (index < 0 || index >= kSkins) return {};
    static const QString base = sheetTemplate();
    QString sheet = base;
    for (const auto& [key, entry] : kPlaceholders)
        sheet.replace(QLatin1Char('@') + QLatin1String(key) + QLatin1Char('@'), QLatin1String(kPalettes[index].*entry));
    return sheet;
}

QString skinName(int index) {
    if (index < 0 || index >= kSkins) return {};
    return QString::fromUtf8(kPalettes[index].name);
}

void applySkin(int index) {
    if (index < 0 || index >= kSkins) return;
    qApp->setStyleSheet(skinStyleSheet(index));
}

}  // namespace view
