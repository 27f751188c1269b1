// The window as a place to work: resizing, the device view beside the grid, the preview's
// first frame, loop and frame count, files by drop and from the recent list, and the lists
// after a change of language.
#include "GridFixture.h"

#include "model/Edits.h"
#include "preview/DXDraw.h"
#include "preview/Playback.h"
#include "preview/QtDrawingSurface.h"
#include "settings/SettingsStore.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include <array>
#include <functional>

namespace editor_test {
namespace {

// A point inside element 1's rectangle (52, 268)-(205, 400) of the shipped skin, opacity 110.
const QPoint InElement1(128, 334);
constexpr int Element1Opacity = 110;

// What the surface shows when `colour` is laid over `under` at the element's opacity.
QColor blended(std::array<int, 3> colour, QColor under)
{
    auto mix = [](int c, int old) { return (c * 17 * Element1Opacity + old * (255 - Element1Opacity) + 127) / 255; };
    return QColor(mix(colour[0], under.red()), mix(colour[1], under.green()), mix(colour[2], under.blue()));
}

class WindowTest : public GridFixtureBase {
protected:
    // Three frames of element 1: red, green, none; then a rhythm glowshow.
    model::TDocument threeFrames() const
    {
        return documentOf(
            {normalGlowshow(1, {frame(100, {entry(1, 15, 0, 0)}), frame(200, {entry(1, 0, 15, 0)}), frame(300, {})}),
             rhythmGlowshow(2, 1, {channel(1, 0, 0, {model::TClubStep{15, 15, 15, 0}})})});
    }

    QColor live() const { return form().liveSurface().frontBuffer().pixelColor(InElement1); }
    QColor previewed() const { return form().previewSurface().frontBuffer().pixelColor(InElement1); }

    static QMimeData *filesData(const QStringList &files)
    {
        auto *data = new QMimeData;
        QList<QUrl> urls;
        for (const QString &f : files)
            urls << QUrl::fromLocalFile(f);
        data->setUrls(urls);
        return data;
    }

    // Drags the files over the window and drops them; true when the window took the drag.
    bool drop(const QStringList &files, QWidget *target = nullptr)
    {
        QWidget *on = target ? target : &form();
        std::unique_ptr<QMimeData> data(filesData(files));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(on, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(on, &dropped);
        processEvents();
        return dropped.isAccepted();
    }
};

TEST_F(WindowTest, WindowKeepsItsDesignedSizeAsLeastAndGivesMoreRoomToTheGrid)
{
    openHere(documentOf({normalGlowshow(1, std::vector<model::TFrame>(200, frame(100, {entry(1, 15, 0, 0)})))}));
    editor::TMForm &f = form();
    const QSize designed = f.centralWidget()->size();
    ASSERT_EQ(designed, QSize(669, 485));
    const int columnsAtDesign = editGrid()->viewport()->width() / editor::GridColumnWidth;
    const int listAtDesign = widget<QListWidget>("ListBox1")->height();
    const int gridAtDesign = editGrid()->height();

    f.resize(300, 200);
    processEvents();
    EXPECT_EQ(f.centralWidget()->size(), designed) << "never smaller than designed";

    f.resize(1920, 1080);
    processEvents();
    EXPECT_GT(editGrid()->viewport()->width() / editor::GridColumnWidth, 2 * columnsAtDesign);
    EXPECT_EQ(frameGrid()->width(), editGrid()->width()) << "the frame numbers widen with the grid";
    EXPECT_EQ(widget<QListWidget>("ListBox1")->height(), listAtDesign) << "the height to spare goes to the grid";
    EXPECT_GT(editGrid()->height(), gridAtDesign + 400);
    EXPECT_EQ(widget<preview::DXDraw>("LiveView")->pictureRect().size(), QSize(257, 425))
        << "the device view at 1x beside the grid";

    widget<QTabWidget>("PageControl1")->setCurrentWidget(widget<QWidget>("Tab3"));
    widget<QListWidget>("ListBox2")->setCurrentRow(0);
    processEvents();
    EXPECT_EQ(widget<preview::DXDraw>("DXDraw")->pictureRect().size(), QSize(2 * 257, 2 * 425))
        << "the preview grows by whole multiples";
}

TEST_F(WindowTest, SizeAndPositionComeBackOnTheNextStart)
{
    startHere();
    form().resize(1000, 720);
    processEvents();
    const QSize size = form().size();
    form().close();
    startHere();
    EXPECT_EQ(form().size(), size);
    EXPECT_FALSE(settings::readWindowGeometry(settings::SettingsStore(settingsFile)).isEmpty());
}

TEST_F(WindowTest, DeviceViewShowsTheCurrentColumnAndEveryColourChange)
{
    openHere(threeFrames());
    processEvents();
    ASSERT_TRUE(widget<preview::DXDraw>("LiveView")->isVisible());
    clickCell(2, 0);
    processEvents();
    const QColor bare = live();

    const struct {
        const char *step;
        std::function<void()> act;
        int column;
    } steps[] = {
        {"first column clicked", [&] { clickCell(0, 0); }, 0},
        {"second column clicked", [&] { clickCell(1, 0); }, 1},
        {"red raised on the second column",
         [&] { widget<QSlider>("TrackBar1")->setValue(widget<QSlider>("TrackBar1")->value() - 9); }, 1},
        {"cell toggled off by the right button",
         [&] {
             const QPoint at = editGrid()->visualRect(cell(1, 0)).center();
             QTest::mousePress(editGrid()->viewport(), Qt::RightButton, {}, at);
             QTest::mouseRelease(editGrid()->viewport(), Qt::RightButton, {}, at);
         },
         1},
        {"back to the first column by key", [&] { QTest::keyClick(editGrid(), Qt::Key_Left); }, 0},
    };
    for (const auto &s : steps) {
        s.act();
        processEvents();
        const model::TFrameEntry &e = shown().Frames.at(std::size_t(s.column)).Entries[0];
        EXPECT_EQ(live(), blended(colourOf(e), bare)) << s.step;
    }
}

TEST_F(WindowTest, DeviceViewHiddenForRhythmAndWithoutGlowshow)
{
    openHere(threeFrames());
    editor::TMForm &f = form();
    const struct {
        int row;
        bool visible;
    } cases[] = {{1, false}, {0, true}};
    for (const auto &c : cases) {
        widget<QListWidget>("ListBox1")->setCurrentRow(c.row);
        processEvents();
        EXPECT_EQ(widget<preview::DXDraw>("LiveView")->isVisible(), c.visible) << "glowshow " << c.row;
    }
    const model::TDocument before = f.Document;
    trigger(action("ANewFile"));
    processEvents();
    EXPECT_FALSE(widget<preview::DXDraw>("LiveView")->isVisible()) << "a new document without glowshows";
    EXPECT_NE(f.Document, before);
}

TEST_F(WindowTest, PreviewShowsTheFirstFrameOnChoiceAndLoopsUntilStopped)
{
    openHere(threeFrames());
    editor::TMForm &f = form();
    clickCell(2, 0);
    processEvents();
    const QColor bare = live();
    widget<QTabWidget>("PageControl1")->setCurrentWidget(widget<QWidget>("Tab3"));
    widget<QListWidget>("ListBox2")->setCurrentRow(0);
    processEvents();
    EXPECT_TRUE(widget<preview::DXDraw>("DXDraw")->isVisible());
    EXPECT_EQ(previewed(), blended({15, 0, 0}, bare)) << "first frame at once";

    const struct {
        bool loop;
        int ticks;
        bool playing;
        QString indicator;
    } cases[] = {
        {false, 1, true, QStringLiteral("frame 1 / 3")},
        {false, 3, true, QStringLiteral("frame 3 / 3")},
        {false, 4, false, QString()},
        {true, 4, true, QStringLiteral("frame 1 / 3")},
        {true, 8, true, QStringLiteral("frame 2 / 3")},
    };
    for (const auto &c : cases) {
        widget<QCheckBox>("CheckBox4")->setChecked(c.loop);
        widget<QPushButton>("Button15")->click();
        for (int t = 0; t < c.ticks; ++t)
            emit f.previewSurface().tick();
        const std::string what = (c.loop ? "loop, " : "once, ") + std::to_string(c.ticks) + " ticks";
        EXPECT_EQ(f.previewSurface().timerEnabled(), c.playing) << what;
        EXPECT_EQ(widget<QLabel>("FrameIndicator")->isVisible(), c.playing) << what;
        if (c.playing) {
            EXPECT_EQ(widget<QLabel>("FrameIndicator")->text(), c.indicator) << what;
            widget<QPushButton>("Button15")->click();
            EXPECT_FALSE(f.previewSurface().timerEnabled()) << "Stop ends a loop: " << what;
            EXPECT_FALSE(widget<QLabel>("FrameIndicator")->isVisible()) << what;
        }
    }
}

TEST_F(WindowTest, OnlyASinglePatFileDropOpens)
{
    startHere();
    const QString pat = writePat(QStringLiteral("dropped.PAT"), threeFrames());
    const QString text = writeBytes(QStringLiteral("notes.txt"), QByteArray("x"));
    const QString other = writePat(QStringLiteral("other.pat"), documentOf({normalGlowshow(5, {})}));
    const struct {
        const char *what;
        QStringList files;
        QWidget *target;
        bool opens;
    } cases[] = {
        {"a .txt file", {text}, nullptr, false},
        {"two .pat files", {pat, other}, nullptr, false},
        {"a folder", {dir.path()}, nullptr, false},
        {"one .pat file", {pat}, nullptr, true},
        {"one .pat file on the trailer text", {other}, widget<QLineEdit>("Edit1"), true},
    };
    for (const auto &c : cases) {
        const model::TDocument before = form().Document;
        const QString edit1 = widget<QLineEdit>("Edit1")->text();
        EXPECT_EQ(drop(c.files, c.target), c.opens) << c.what;
        if (c.opens) {
            EXPECT_EQ(QString::fromStdString(form().Document.GlowFile.FileName),
                      QFileInfo(c.files[0]).absoluteFilePath())
                << c.what;
            EXPECT_EQ(form().recentFiles().value(0), QFileInfo(c.files[0]).absoluteFilePath()) << c.what;
        } else {
            EXPECT_EQ(form().Document, before) << c.what;
        }
        EXPECT_TRUE(widget<QLineEdit>("Edit1")->text().isEmpty() || widget<QLineEdit>("Edit1")->text() == edit1)
            << "no path pasted: " << c.what;
    }
    EXPECT_TRUE(unexpectedModals.empty());
}

TEST_F(WindowTest, RecentFilesKeepTheLatestFirstAndDropMissingOnesWithAMessage)
{
    startHere();
    QStringList files;
    for (int i = 0; i < 3; ++i) {
        files << writePat(QStringLiteral("f%1.pat").arg(i), documentOf({normalGlowshow(std::uint8_t(i + 1), {})}));
        openThroughDialog(files.last());
    }
    openThroughDialog(files[0]);
    EXPECT_EQ(form().recentFiles(), (QStringList{files[0], files[2], files[1]}));
    EXPECT_EQ(widget<QMenu>("RecentFiles1")->actions().size(), 3);
    EXPECT_TRUE(action("ARecentFiles")->isEnabled());

    startHere();
    ASSERT_EQ(form().recentFiles(), (QStringList{files[0], files[2], files[1]})) << "kept in the settings";
    ASSERT_TRUE(QFile::remove(files[2]));
    acceptNextMessageBox();
    widget<QMenu>("RecentFiles1")->actions().at(1)->trigger();
    processEvents();
    ASSERT_EQ(modalsSeen.size(), 1u);
    EXPECT_TRUE(modalsSeen[0].text.contains(QDir::toNativeSeparators(files[2]))) << modalsSeen[0].text.toStdString();
    EXPECT_EQ(form().recentFiles(), (QStringList{files[0], files[1]}));
    EXPECT_FALSE(form().document().isLoaded());

    widget<QMenu>("RecentFiles1")->actions().at(1)->trigger();
    processEvents();
    EXPECT_EQ(QString::fromStdString(form().Document.GlowFile.FileName), files[1]);
    EXPECT_EQ(form().recentFiles(), (QStringList{files[1], files[0]}));
}

// The commands that need a document, or room for one more glowshow, follow the document
// whichever way it changed: opened, a glowshow removed, the removal undone.
TEST_F(WindowTest, CommandsAreOfferedAsTheDocumentAllows)
{
    std::vector<model::TGlowshow> all;
    for (int id = 1; id <= 255; ++id)
        all.push_back(normalGlowshow(std::uint8_t(id), {}));
    const QString full = writePat(QStringLiteral("full.pat"), documentOf(all));
    const char *commands[] = {"ASave",           "AAddNewGlow", "AGlowCopy",        "AImportGlowshows",
                              "AImportAnimation", "ACheckFile",  "AExportStoryboard"};
    const struct {
        const char *state;
        std::function<void()> reach;
        std::array<bool, 7> offered;
    } cases[] = {
        {"nothing open", [&] { start(); }, {false, false, false, false, false, false, false}},
        {"room", [&] { openThroughDialog(writePat(QStringLiteral("two.pat"), threeFrames())); },
         {true, true, true, true, true, true, true}},
        {"full", [&] { openThroughDialog(full); }, {true, false, false, false, false, true, true}},
        {"one removed", [&] { form().document().push(model::removeGlowshow(0), QStringLiteral("remove")); },
         {true, true, true, true, true, true, true}},
        {"removal undone", [&] { trigger(action("AUndo")); }, {true, false, false, false, false, true, true}},
    };
    for (const auto &c : cases) {
        c.reach();
        for (std::size_t i = 0; i < std::size(commands); ++i)
            EXPECT_EQ(action(commands[i])->isEnabled(), c.offered[i]) << c.state << ": " << commands[i];
    }
    EXPECT_TRUE(unexpectedModals.empty());
}

TEST_F(WindowTest, CutElementNamesShowWholeInTheirTooltip)
{
    writeProfile(QStringLiteral("Motorola (All Models).eng"),
                 "[Elements]\nElement01=Keypad\nElement02=Display backlight of the outer screen, left half\n");
    startHere();
    EXPECT_TRUE(slotGrid()->item(0, 0)->toolTip().isEmpty());
    EXPECT_EQ(slotGrid()->item(1, 0)->toolTip(), QStringLiteral("Display backlight of the outer screen, left half"));
}

using WindowLanguageTest = EditorFixture;

TEST_F(WindowLanguageTest, ChoosingALanguageRenamesTheGlowshowsInEveryList)
{
    editor::TMForm &f = startWith(documentOf(
        {normalGlowshow(1, {frame(100, {})}), normalGlowshow(2, {frame(100, {})}), rhythmGlowshow(3, 1, {})}));
    widget<QListWidget>("ListBox1")->setCurrentRow(1);
    processEvents();
    ASSERT_EQ(widget<QListWidget>("ListBox1")->item(0)->text(), QStringLiteral("(01) Incoming call"));
    const int combo = widget<QComboBox>("ComboBox4")->currentIndex();

    widget<QComboBox>("ComboBox1")
        ->setCurrentIndex(widget<QComboBox>("ComboBox1")->findText(QStringLiteral("Russian")));
    emit widget<QComboBox>("ComboBox1")->activated(widget<QComboBox>("ComboBox1")->currentIndex());
    processEvents();
    ASSERT_EQ(f.CurrentProfile.Language, "Russian");
    const struct {
        QString shown;
        QString expected;
    } lines[] = {
        {widget<QListWidget>("ListBox1")->item(0)->text(), QStringLiteral("(01) Входящий вызов")},
        {widget<QListWidget>("ListBox1")->item(2)->text().section(QLatin1Char(' '), -1), QStringLiteral("[Ритм]")},
        {widget<QListWidget>("ListBox2")->item(0)->text(), QStringLiteral("(01) Входящий вызов")},
        {widget<QComboBox>("ComboBox4")->itemText(0), QStringLiteral("(01) Входящий вызов")},
    };
    for (const auto &l : lines)
        EXPECT_EQ(l.shown, l.expected);
    EXPECT_EQ(widget<QListWidget>("ListBox1")->currentRow(), 1) << "the selected line stays";
    EXPECT_EQ(widget<QComboBox>("ComboBox4")->currentIndex(), combo);
}

} // namespace
} // namespace editor_test
