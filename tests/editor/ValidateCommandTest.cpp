#include "editor/ValidateCommandLine.h"

#include "TestHelpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

TEST(ValidateCommand, ExitCodeSaysCleanProblemsOrUnreadable)
{
    QTemporaryDir dir;
    const auto file = [&dir](const char *name, const char *hex) {
        testing_support::writeAll(dir.filePath(name), testing_support::fromHex(hex));
        return dir.filePath(name);
    };
    // One normal glowshow (Id 1), one frame of `duration` lighting `element`.
    const QString clean = file("clean.pat", "01 01 00 0C 01 00 06 01 00 00 01 02 01 F4 01 01 0F 80");
    const QString note = file("note.pat", "01 01 00 0C 01 00 06 01 00 00 01 02 00 00 01 01 0F 80");
    const QString element3 = file("element3.pat", "01 01 00 0C 01 00 06 01 00 00 01 02 01 F4 01 03 0F 80");
    const QString twice = file(
        "twice.pat", "01 01 00 00 02 00 06 01 00 00 05 02 01 F4 01 01 0F 80 00 06 01 00 00 05 02 01 F4 01 01 0F 80");
    const QString gimp = file("gimp.pat", "01 02 00 00 00");
    const QString cut = file("cut.pat", "01 01 00 0C 01 00 06 01");
    const struct {
        QString file, profile;
        int exit;
        const char *output;
    } cases[] = {
        {clean, {}, editor::ValidateClean, ""},
        {note, {}, editor::ValidateClean, ": note: Glowshows[0].Frames[0]: Frames that last 0 ms: 1.\n"},
        {element3, {}, editor::ValidateClean, ""},
        {element3, "Motorola Pico S2", editor::ValidateProblems,
         ": error: Glowshows[0].Frames[0]: Element 3 is not on this model; frames or channels using it: 1.\n"},
        {twice,
         {},
         editor::ValidateProblems,
         ": error: Glowshows[1]: The Id 05 is used by an earlier glowshow as well.\n"},
        {clean, "Motorola Nothing", editor::ValidateUnreadable, ""},
        {gimp, {}, editor::ValidateUnreadable, ""},
        {cut, {}, editor::ValidateUnreadable, ""},
        {dir.filePath("missing.pat"), {}, editor::ValidateUnreadable, ""},
    };
    for (const auto &c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(editor::validateCommand(c.file, c.profile, false, GLOW_DATA_DIR, out, err), c.exit)
            << c.file.toStdString() << '\n'
            << err.str();
        const std::string expected = *c.output ? c.file.toStdString() + c.output : "";
        EXPECT_EQ(out.str(), expected);
        EXPECT_EQ(err.str().empty(), c.exit != editor::ValidateUnreadable) << err.str();
    }

    std::ostringstream out, err;
    EXPECT_EQ(editor::validateCommand(twice, {}, true, GLOW_DATA_DIR, out, err), editor::ValidateProblems);
    const QJsonArray list = QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).array();
    ASSERT_EQ(list.size(), 1) << out.str();
    EXPECT_EQ(list[0]["kind"].toString(), "error");
    EXPECT_EQ(list[0]["problem"].toString(), "DuplicateId");
    EXPECT_EQ(list[0]["glowshow"].toInt(), 1);
}
