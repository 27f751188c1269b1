// What a screen reader hears: names of the controls and of the colour grid's cells, in both
// shipped languages, read through Qt's accessibility interfaces as the AT-SPI bridge reads them.
#include "EditorFixture.h"

#include "editor/CellDescription.h"
#include "editor/EditorTexts.h"
#include "settings/LanguageFile.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace editor_test {
namespace {

editor::TextOf textsOf(const char *language)
{
    const auto texts =
        std::make_shared<settings::LanguageTexts>(settings::readLanguage(std::string(GLOW_DATA_DIR) + "/", language));
    return [texts](std::string_view key) { return editor::editorText(*texts, key); };
}

TEST(CellNameTest, SaysElementColumnAndStateInBothLanguages)
{
    const model::TGlowshow normal =
        normalGlowshow(1, {frame(100, {entry(1, 15, 0, 0), entry(5, 0, 0, 15), entry(6, 15, 15, 14)})});
    const model::TGlowshow rhythm = rhythmGlowshow(2, 4, {channel(2, 0, 0, {{}, {}, {}, {3, 4, 5, 9}})});
    const struct {
        const char *language;
        const model::TGlowshow &glowshow;
        int element, column;
        std::int32_t behaviour;
        bool hidden;
        const char *expected;
    } cases[] = {
        {"English", normal, 1, 0, -1, false, "Keypad, frame 1: red 15, green 0, blue 0"},
        {"English", normal, 2, 0, -1, false, "Keypad, frame 1: no entry"},
        {"English", normal, 5, 0, 0xFFFFFF, false, "Keypad, frame 1: on"},
        {"English", normal, 6, 0, 0xFF0000, false, "Keypad, frame 1: off"},
        {"English", normal, 1, 0, -2, true, "Keypad, frame 1: hidden"},
        {"English", normal, 1, 1, -1, false, "Keypad, frame 2: no entry"}, // past the last frame
        {"English", rhythm, 2, 3, -1, false, "Keypad, step 4: red 3, green 4, blue 5"},
        {"English", rhythm, 2, 9, -1, false, "Keypad, step 10: no entry"}, // past the last step
        {"Russian", normal, 1, 0, -1, false, "Keypad, кадр 1: красный 15, зелёный 0, синий 0"},
        {"Russian", normal, 5, 0, 0xFFFFFF, false, "Keypad, кадр 1: включён"},
        {"Russian", normal, 6, 0, 0xFF0000, false, "Keypad, кадр 1: выключен"},
        {"Russian", normal, 3, 0, -1, false, "Keypad, кадр 1: нет записи"},
        {"Russian", normal, 3, 0, -2, true, "Keypad, кадр 1: скрыт"},
        {"Russian", rhythm, 2, 0, -1, false, "Keypad, шаг 1: красный 0, зелёный 0, синий 0"},
    };
    for (const auto &c : cases) {
        const editor::TextOf text = textsOf(c.language);
        const QString column = editor::columnName(text, c.glowshow.Kind == model::KindRhythm, c.column);
        const editor::CellState state = editor::cellState(c.glowshow, c.element, c.column, c.behaviour, c.hidden);
        EXPECT_EQ(editor::cellName(text, QStringLiteral("Keypad"), column, state).toStdString(), c.expected)
            << c.language << " element " << c.element << " column " << c.column;
    }
}

class AccessibilityTest : public EditorFixture {
protected:
    editor::TMForm &startIn(const QString &language, const model::TDocument &doc)
    {
        QSettings s(settingsFile, QSettings::IniFormat);
        s.setValue(QStringLiteral("Profile settings/Language"), language);
        s.setValue(QStringLiteral("Profile settings/Profile"), QStringLiteral("Motorola Lumen X1"));
        s.sync();
        return startWith(doc);
    }
    QWidget *widget(const char *name) const { return form().findChild<QWidget *>(QLatin1String(name)); }
    static QString nameOf(QObject *object)
    {
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(object);
        return i ? i->text(QAccessible::Name) : QStringLiteral("<no interface>");
    }
    QAccessibleTableInterface *grid() const
    {
        return QAccessible::queryAccessibleInterface(widget("EditGrid"))->tableInterface();
    }
    void chooseLanguage(const QString &language)
    {
        auto *box = static_cast<QComboBox *>(widget("ComboBox1"));
        box->setCurrentIndex(box->findText(language));
        emit box->activated(box->currentIndex());
        processEvents();
    }

    const model::TDocument doc = documentOf({normalGlowshow(
        1, {frame(100, {entry(1, 15, 0, 0), entry(5, 15, 15, 15)}), frame(200, {entry(1, 0, 8, 0)}), frame(50, {})})});
};

TEST_F(AccessibilityTest, ControlsAreNamedByTheirLabelsAndFollowTheLanguage)
{
    const struct {
        const char *control;
        const char *english;
        const char *russian;
    } cases[] = {
        {"ComboBox1", "Select your language", "Выберите язык"},
        {"ComboBox4", "Name", "Название"},
        {"SpinEdit1", "Duration", "Длительность"},
        {"ListBox1", "Glowshows", "Подсветки"},
        {"Button11", "Move glowshow up", "Переместить подсветку вверх"},
        {"EditGrid", "Colours", "Цвета"},
        {"PageControl1", "Pages", "Страницы"},
        {"ColourText", "Colour (#RGB)", "Цвет (#RGB)"},
    };
    startIn(QStringLiteral("English"), doc);
    for (const auto &c : cases)
        EXPECT_EQ(nameOf(widget(c.control)).toStdString(), c.english) << c.control;
    EXPECT_EQ(widget("SpinEdit1")->accessibleDescription(),
              QStringLiteral("How long the glowshow repeats, in milliseconds"));
    chooseLanguage(QStringLiteral("Russian"));
    for (const auto &c : cases)
        EXPECT_EQ(nameOf(widget(c.control)).toStdString(), c.russian) << c.control;
}

TEST_F(AccessibilityTest, NoControlOnAnyPageIsNameless)
{
    for (const QString &language : {QStringLiteral("English"), QStringLiteral("Russian")}) {
        SCOPED_TRACE(language.toStdString());
        editor::TMForm &f = startIn(language, doc);
        auto *pages = static_cast<QTabWidget *>(widget("PageControl1"));
        auto *options = static_cast<QTabWidget *>(widget("PageControl2"));
        auto *grid = static_cast<QAbstractItemView *>(widget("EditGrid"));
        const std::function<void()> shows[] = {
            [&] { pages->setCurrentIndex(0); },
            [&] { pages->setCurrentIndex(1); },
            [&] { grid->setCurrentIndex(grid->model()->index(0, 0)); }, // full-colour element
            [&] { grid->setCurrentIndex(grid->model()->index(4, 0)); }, // on/off element
            [&] { options->setCurrentIndex(1); },
            [&] { pages->setCurrentIndex(2); },
        };
        for (const auto &show : shows) {
            show();
            processEvents();
            // A widget that hands its focus on (a spin box's edit) is read as the one it hands it to.
            for (QWidget *w : f.findChildren<QWidget *>())
                if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy()) {
                    EXPECT_FALSE(nameOf(w).isEmpty())
                        << w->objectName().toStdString() << " on page " << pages->currentIndex();
                }
        }
    }
}

TEST_F(AccessibilityTest, GridIsATableOfNamedCellsWithHeaders)
{
    startIn(QStringLiteral("English"), doc);
    QAccessibleTableInterface *table = grid();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columnCount(), 3);
    // Element names come from the profile, on/off elements from its colours.
    EXPECT_EQ(table->cellAt(0, 1)->text(QAccessible::Name), QStringLiteral("Keypad, frame 2: red 0, green 8, blue 0"));
    EXPECT_EQ(table->cellAt(4, 0)->text(QAccessible::Name), QStringLiteral("Logo, frame 1: on"));
    QAccessibleTableCellInterface *cell = table->cellAt(1, 2)->tableCellInterface();
    ASSERT_EQ(cell->rowHeaderCells().size(), 1);
    EXPECT_EQ(cell->rowHeaderCells()[0]->text(QAccessible::Name), QStringLiteral("Display backlight"));
    ASSERT_EQ(cell->columnHeaderCells().size(), 1);
    EXPECT_EQ(cell->columnHeaderCells()[0]->text(QAccessible::Name), QStringLiteral("frame 3"));

    // A cell asked for after the glowshow lost its columns names nothing and reads nothing.
    QAccessibleInterface *stale = table->cellAt(0, 2);
    static_cast<QSpinBox *>(widget("SpinEdit5"))->setValue(1);
    processEvents();
    EXPECT_EQ(table->columnCount(), 1);
    EXPECT_TRUE(stale->text(QAccessible::Name).isEmpty());
    EXPECT_EQ(table->cellAt(0, 2), nullptr);
}

// Both element grids head their rows with the element names, where Qt would say "1" to "6".
TEST_F(AccessibilityTest, RowsOfTheElementGridsAreHeadedByTheirElementsInTheCurrentLanguage)
{
    const struct {
        const char *language, *grid;
        int row;
        const char *header;
    } cases[] = {
        {"English", "SlotGrid", 0, "Keypad"},
        {"English", "SlotGrid", 3, "Right side light"},
        {"Russian", "SlotGrid", 3, "Правая боковая подсветка"},
        {"Russian", "EditGrid", 1, "Подсветка дисплея"},
    };
    startIn(QStringLiteral("English"), doc);
    for (const auto &c : cases) {
        if (form().CurrentProfile.Language != c.language)
            chooseLanguage(QString::fromLatin1(c.language));
        QAccessibleInterface *cell =
            QAccessible::queryAccessibleInterface(widget(c.grid))->tableInterface()->cellAt(c.row, 0);
        const QList<QAccessibleInterface *> headers = cell->tableCellInterface()->rowHeaderCells();
        ASSERT_EQ(headers.size(), 1) << c.grid;
        EXPECT_EQ(headers[0]->text(QAccessible::Name).toStdString(), c.header) << c.language << " " << c.grid;
    }
}

// Qt's table view sends the focus event for the grid; a screen reader then reads the table's
// focused child.
TEST_F(AccessibilityTest, TheCurrentCellIsTheFocusedOneAndARangeIsTheSelection)
{
    startIn(QStringLiteral("Russian"), doc);
    auto *view = static_cast<QAbstractItemView *>(widget("EditGrid"));
    view->setCurrentIndex(view->model()->index(0, 0));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);

    QAccessibleInterface *focused = QAccessible::queryAccessibleInterface(view)->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_TRUE(focused->state().focused);
    EXPECT_EQ(focused->text(QAccessible::Name).toStdString(), "Клавиатура, кадр 2: красный 0, зелёный 8, синий 0");
    std::vector<std::string> selected;
    for (QAccessibleInterface *cell : grid()->selectedCells())
        selected.push_back(cell->text(QAccessible::Name).toStdString());
    EXPECT_EQ(selected, (std::vector<std::string>{"Клавиатура, кадр 2: красный 0, зелёный 8, синий 0",
                                                  "Подсветка дисплея, кадр 2: нет записи"}));
}

} // namespace
} // namespace editor_test
