#pragma once

#include "EditorFixture.h"

#include "TestHelpers.h"
#include "editor/GridWidgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <array>

namespace editor_test {

// A program folder of its own: the shipped data with a profile whose element colours the
// tests choose (element 3 absent from the model, element 5 an on/off element lit red).
class GridFixtureBase : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        programDir = dir.filePath(QStringLiteral("program")) + QLatin1Char('/');
        copyTree(QStringLiteral(GLOW_DATA_DIR), programDir);
        writeProfile(QStringLiteral("Motorola (All Models).eng"),
                     "[Elements]\nElement01=Keypad\nColor01=-1\nElement02=Display\nColor02=-1\n"
                     "Element03=Absent\nColor03=-2\nElement04=Side\nColor04=-1\n"
                     "Element05=Logo\nColor05=$0000FF\nElement06=Ring\nColor06=-1\n");
    }

    static void copyTree(const QString &from, const QString &to)
    {
        QDir().mkpath(to);
        QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target = to + QDir(from).relativeFilePath(file);
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(file, target);
        }
    }

    void writeProfile(const QString &name, const QByteArray &text) const
    {
        testing_support::writeAll(programDir + QStringLiteral("Profiles/") + name, text);
    }

    editor::TMForm &startHere(const QStringList &arguments = {}) { return start(arguments, programDir); }

    editor::TMForm &openHere(const model::TDocument &doc)
    {
        startHere();
        openThroughDialog(writePat(QStringLiteral("show.pat"), doc));
        widget<QTabWidget>("PageControl1")->setCurrentWidget(widget<QWidget>("Tab2"));
        processEvents();
        return form();
    }

    model::TGlowshow &shown() { return form().Document.Glowshows.at(form().Document.CurrentGlowshow); }

    QModelIndex cell(int column, int row) const { return editGrid()->model()->index(row, column); }

    void clickCell(int column, int row)
    {
        editor::EditGridView *grid = editGrid();
        grid->scrollTo(cell(column, row));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell(column, row)).center());
        processEvents();
    }

    void clickSlot(int row)
    {
        QTableWidget *grid = slotGrid();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(row, 0)).center());
        processEvents();
    }

    void click(QAbstractButton *button)
    {
        ASSERT_TRUE(button->isVisible()) << button->objectName().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
        processEvents();
    }

    // The colour painted at the middle of a cell.
    QColor cellColour(int column, int row)
    {
        editor::EditGridView *grid = editGrid();
        const QImage image = grid->viewport()->grab().toImage();
        return image.pixelColor(grid->visualRect(cell(column, row)).center());
    }

    // True when the cell shows the 2 x 2 silver and white pattern.
    bool cellShowsPattern(int column, int row)
    {
        editor::EditGridView *grid = editGrid();
        const QImage image = grid->viewport()->grab().toImage();
        const QPoint c = grid->visualRect(cell(column, row)).center();
        const int x = c.x() & ~1, y = c.y() & ~1;
        const QColor silver(192, 192, 192), white(255, 255, 255);
        return image.pixelColor(x, y) == silver && image.pixelColor(x + 1, y + 1) == silver &&
               image.pixelColor(x + 1, y) == white && image.pixelColor(x, y + 1) == white;
    }

    bool tabShown(QWidget *page) const
    {
        return widget<QTabWidget>("PageControl2")->isTabVisible(widget<QTabWidget>("PageControl2")->indexOf(page));
    }

    QString programDir;
};

inline std::vector<std::uint8_t> elementsOf(const model::TFrame &f)
{
    std::vector<std::uint8_t> out;
    for (const model::TFrameEntry &e : f.Entries)
        out.push_back(e.Element);
    return out;
}

inline std::array<int, 3> colourOf(const model::TFrameEntry &e) { return {e.Red, e.Green, e.Blue}; }

} // namespace editor_test
