#include "tools/stylegen/style_set.h"

namespace tallyrix::stylegen {

const std::vector<HeadingColour>& headingColours() {
    static const std::vector<HeadingColour> colours{
        {QStringLiteral("G"), true, rgb(217, 217, 217)},
        {QStringLiteral("B"), true, rgb(204, 224, 245)},
        {QStringLiteral("P"), true, rgb(250, 214, 226)},
        {QString(), false, kWhite},
    };
    return colours;
}

const std::vector<StyleFont>& styleFonts() {
    static const std::vector<StyleFont> fonts{
        {QStringLiteral("_ゴシック"), QString::fromUtf16(kGothic)},
        {QStringLiteral("_明朝"), QString::fromUtf16(kMincho)},
    };
    return fonts;
}

std::vector<NamedStyle> allStyles() {
    std::vector<NamedStyle> styles = ledgerStyles();
    for (auto* more : {&monthlyTableStyles, &reportStyles}) {
        for (NamedStyle& style : more()) {
            styles.push_back(std::move(style));
        }
    }
    return styles;
}

}  // namespace tallyrix::stylegen
