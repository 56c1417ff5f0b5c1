// Every text the game can show has a glyph for each of its characters in the font the
// player sees it in: no empty boxes for Japanese text.
#include "scenario/script.h"
#include "tests/support/game.h"
#include "ui/menu_bar.h"

#include <QGlyphRun>
#include <QTextLayout>
#include <QWidget>
#include <gtest/gtest.h>

using namespace game_test;

namespace {

// The characters of the text that its font (fallbacks included) can't draw.
QString MissingGlyphs(const std::string& text, const QFont& font) {
    QString qtext = QString::fromStdString(text);
    QTextLayout layout(qtext, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    QString missing;
    for (const QGlyphRun& run : layout.glyphRuns())
        for (quint32 index : run.glyphIndexes())
            if (index == 0) missing += "?";
    return missing.isEmpty() ? QString() : qtext;
}

void CollectMenuTexts(const MenuItem& menu, std::vector<std::string>& texts) {
    for (int k = 0; k < menu.Count(); ++k) {
        auto item = menu.Item(k);
        if (item->Text() != "-") texts.push_back(item->Text());
        CollectMenuTexts(*item, texts);
    }
}

std::vector<std::string> EverythingShown(MainWindow& window) {
    std::vector<std::string> texts{window.TextField1()->Text()};
    CollectMenuTexts(*MenuBar1_MenuBar1(), texts);
    for (const auto& section : script::Sections())
        for (const script::Row& row : section)
            for (std::string_view text : {row.text.first, row.text.second})
                if (!text.empty()) texts.emplace_back(text);
    for (const script::NameRow& row : script::CulpritNames()) {
        texts.emplace_back(row.name);
        texts.emplace_back(row.line);
    }
    texts.emplace_back(script::kTooShortLine);
    return texts;
}

} // namespace

TEST(ShellGlyphs, EveryShownTextHasAllItsGlyphs) {
    auto w = StartGame();
    std::vector<std::string> texts = EverythingShown(*w);
    // The menus, the title screen and a story of some length.
    ASSERT_GT(texts.size(), 100u);
    const QFont fieldFont = w->TextField1()->Widget()->font();
    const QFont buttonFont = w->OKButton()->Widget()->font();
    for (const std::string& text : texts)
        EXPECT_EQ(MissingGlyphs(text, fieldFont), QString()) << text;
    for (const char* caption : {"OK", "Quit", "Reset", "ファイル", "編集"})
        EXPECT_EQ(MissingGlyphs(caption, buttonFont), QString()) << caption;
}

TEST(ShellGlyphs, TheCheckSeesAMissingGlyph) {
    auto w = StartGame();
    // A code point no font draws: a private-use character.
    EXPECT_NE(MissingGlyphs("ホ\xEF\xA3\xBF", w->TextField1()->Widget()->font()), QString());
}
