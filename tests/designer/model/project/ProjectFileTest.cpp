// The project file: exact round trips, older formats, damaged files and the
// open and save sequences.

#include "ProjectFile.h"

#include "ProjectFixture.h"
#include "TBinaryWriter.h"
#include "TLcdLight.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

QByteArray fullFile()
{
    return ProjectFile::encode(*FullProject(), ProjectFile::makePrefix(1));
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::int64_t trailerLength(const QByteArray& bytes)
{
    return qFromLittleEndian<std::int64_t>(bytes.constData() + bytes.size() - 8);
}

TEST(ProjectFile, SaveOpenSaveGivesTheSameBytes)
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("First.lzd"));
    auto project = FullProject();
    const ProjectFile::Result saved = ProjectFile::save(*project, first, 3);
    ASSERT_TRUE(saved.ok()) << saved.message().toStdString();
    EXPECT_FALSE(project->Modified);
    EXPECT_EQ(project->FileName, first.toLower());

    const QByteArray bytes = readFile(first);
    EXPECT_EQ(bytes.left(8), QByteArray::fromHex("022c000003000000"));
    EXPECT_EQ(trailerLength(bytes), bytes.size() - 8);

    const ProjectFile::Result opened = ProjectFile::open(first);
    ASSERT_TRUE(opened.ok()) << opened.message().toStdString();
    const TProgramObj& again = *opened.project;
    EXPECT_FALSE(again.Modified);
    EXPECT_EQ(again.FilePath, first);
    EXPECT_EQ(again.ScreenCount(), 3);
    EXPECT_EQ(again.TotalObjectCount(), 13);
    EXPECT_EQ(again.Alarms, project->Alarms);
    EXPECT_EQ(again.BitJumps, project->BitJumps);
    EXPECT_EQ(again.Jumps, project->Jumps);
    EXPECT_EQ(again.Link, project->Link);
    EXPECT_EQ(again.FilePassword, project->FilePassword);
    const auto& font = dynamic_cast<const TLcdText&>(*again.FirstScreen()->Objects[10]);
    EXPECT_TRUE(font.UseWinFont);
    EXPECT_EQ(font.Font, dynamic_cast<const TLcdText&>(*project->FirstScreen()->Objects[10]).Font);
    const auto& bitmap = dynamic_cast<const TLcdBitmap&>(*again.FirstScreen()->Objects[11]);
    EXPECT_EQ(bitmap.Picture.size(), QSize(24, 10));

    const QString second = dir.filePath(QStringLiteral("second.lzd"));
    ASSERT_TRUE(ProjectFile::save(*opened.project, second, opened.prefix).ok());
    EXPECT_EQ(readFile(second), bytes);
}

TEST(ProjectFile, EmptyListsWriteThreeZeroCountsInARow)
{
    TProgramObj p;
    const QByteArray bytes = ProjectFile::encode(p, ProjectFile::makePrefix(1));
    // prefix, magic, reserved, version, empty password, link block, the
    // settings through WaitTime, the jump word: then the three counts.
    const qsizetype counts = 8 + 15 + 100 + 8 + 3 + 36 + 37 + 25;
    TBinaryWriter expected;
    for (int count : {0, 0, 0, 1, 1}) // jumps, bit jumps, alarms, screens, the constant 1
        expected.i32(count);
    EXPECT_EQ(bytes.mid(counts, 20), expected.data());
}

// ---- older formats, written here from the field order of each format ----

struct OldFormat
{
    double version;
    std::uint8_t saverWait;
};

QByteArray oldFormatFile(const OldFormat& f)
{
    TBinaryWriter w;
    w.bytes(ProjectFile::makePrefix(1));
    w.string("HMIVANTOFILE");
    w.fixed(QByteArray(100, '\xFF'), 100);
    w.f64(f.version);
    w.string({});
    TLinkBlock{}.SaveToStream(w);
    for (int v : {0, 2, 1234}) // PlcCode, InitialScreen, PanelPassword
        w.i32(v);
    w.u8(f.saverWait);
    w.u8(1);
    for (int v : {3, 0, 100, 2}) // SaverScreen, CtrlRegType, CtrlRegAddr, CtrlRegStation
        w.i32(v);
    w.u8(1);
    w.u8(0);
    w.u8(1);
    if (f.version >= 1.6)
        w.i32(250);
    if (f.version >= 1.7) {
        w.u8(5);
        for (int v : {10, 0, 0, 0, 1, 2}) // parts, type, data format, delay
            w.i32(v);
        w.i32(1);
        w.i32(7);
        w.i32(2);
    }
    const TParameterALM alarm{1, 1, 100, 0, 0, 0, "alarm", 1};
    if (f.version >= 1.8) {
        w.i32(1);
        alarm.SaveToStream(w);
    }
    w.i32(1);
    alarm.SaveToStream(w);
    w.i32(2);
    w.i32(1);
    for (int n : {1, 2}) {
        Tpageobj screen(std::make_shared<TObjectContext>(), n, n - 1, n + 1);
        screen.AddObject(411, 4 * n, 0);
        screen.SaveToStream(w);
    }
    w.string("HMIVANTOFILE");
    w.i64(w.pos());
    return w.data();
}

class OlderFormats : public testing::TestWithParam<double>
{};

TEST_P(OlderFormats, LoadWithTheDefaultsOfWhatTheyLack)
{
    const double version = GetParam();
    const ProjectFile::Result opened =
        ProjectFile::parse(oldFormatFile({version, 5}), QStringLiteral("old.lzd"));
    ASSERT_TRUE(opened.ok()) << opened.message().toStdString();
    const TProgramObj& p = *opened.project;
    TProgramObj fresh;
    fresh.ApplyPlcDefaults(0);

    EXPECT_EQ(p.FormatVersion, version);
    EXPECT_EQ(p.InitialScreen, 2);
    EXPECT_EQ(p.PanelPassword, 1234);
    EXPECT_EQ(p.SaverWait, 5);
    EXPECT_TRUE(p.SaverShowsScreen);
    EXPECT_EQ(p.CtrlRegAddr, 100);
    EXPECT_TRUE(p.UseRtc);
    EXPECT_EQ(p.WaitTime, version >= 1.6 ? 250 : 0);
    if (version >= 1.7) {
        EXPECT_EQ(p.JumpStation, 5);
        EXPECT_EQ(p.JumpAddr1, 10);
        EXPECT_EQ(p.JumpDelay, 2);
        EXPECT_EQ(p.Jumps, (std::vector<TJumpEntry>{{7, 2}}));
    } else {
        EXPECT_EQ(p.JumpStation, fresh.JumpStation);
        EXPECT_EQ(p.JumpAddr1, fresh.JumpAddr1);
        EXPECT_EQ(p.JumpDelay, 4);
        EXPECT_TRUE(p.Jumps.empty());
    }
    EXPECT_EQ(p.BitJumps.size(), version >= 1.8 ? 1u : 0u);
    ASSERT_EQ(p.Alarms.size(), 1u);
    EXPECT_EQ(p.Alarms[0].AlarmText, "alarm");
    ASSERT_EQ(p.ScreenCount(), 2);
    EXPECT_EQ(p.FindScreen(2)->Objects[0]->X, 8);
}

INSTANTIATE_TEST_SUITE_P(Versions, OlderFormats, testing::Values(1.5, 1.6, 1.7, 1.8));

TEST(ProjectFile, SaverWaitZeroMeansNever)
{
    const ProjectFile::Result opened = ProjectFile::parse(oldFormatFile({1.8, 0}), QStringLiteral("old.lzd"));
    ASSERT_TRUE(opened.ok());
    EXPECT_EQ(opened.project->SaverWait, 255);
}

// ---- damaged files ----

// The offset of the object count of the screen whose description is text.
qsizetype objectCountAt(const QByteArray& bytes, const QByteArray& description)
{
    const qsizetype text = bytes.indexOf(description + '\0');
    return text < 0 ? -1 : text + description.size() + 1 + 4 * 4;
}

void putI32(QByteArray& bytes, qsizetype at, std::int32_t v)
{
    ASSERT_GE(at, 0);
    qToLittleEndian(v, bytes.data() + at);
}

// The picture end of the first bitmap: the int32 just before its BMP image.
qsizetype pictureEndAt(const QByteArray& bytes)
{
    for (qsizetype at = bytes.indexOf("BM"); at >= 0; at = bytes.indexOf("BM", at + 1)) {
        if (at >= 5 && bytes[at - 5] == 1 && qFromLittleEndian<std::int32_t>(bytes.constData() + at - 4) > at)
            return at - 4;
    }
    return -1;
}

struct DamageCase
{
    const char* name;
    std::function<void(QByteArray&)> damage;
    ProjectFile::Error error;
    const char* says;
};

TEST(ProjectFile, DamagedFilesEndInTheRightError)
{
    auto project = FullProject();
    project->FindScreen(2)->Description = "S2";
    project->FindScreen(300)->Description = "S3";
    const QByteArray good = ProjectFile::encode(*project, ProjectFile::makePrefix(1));
    const qsizetype alarms = good.indexOf(QByteArray("to 2") + '\0') + 5; // after the one bit jump
    using E = ProjectFile::Error;
    const DamageCase cases[] = {
        {"flipped trailer", [](QByteArray& b) { b[b.size() - 3] = char(b[b.size() - 3] ^ 1); },
         E::NotAProject, "trailer"},
        {"bad magic", [](QByteArray& b) { b[10] = 'X'; }, E::NotAProject, "HMIVANTOFILE"},
        {"empty", [](QByteArray& b) { b.clear(); }, E::NotAProject, "ends early"},
        {"newer program", [](QByteArray& b) { b[1] = 45; }, E::NewerVersion, "2.45.*.*"},
        {"absurd alarm count", [=](QByteArray& b) { putI32(b, alarms, 0x7FFFFFFF); }, E::LoadFailed,
         "alarm count"},
        {"negative alarm count", [=](QByteArray& b) { putI32(b, alarms, -1); }, E::LoadFailed,
         "negative count"},
        {"absurd object count", [](QByteArray& b) { putI32(b, objectCountAt(b, "S2"), 50000000); },
         E::LoadFailed, "screen object count"},
        {"bad type code", [](QByteArray& b) { putI32(b, objectCountAt(b, "S2") + 4, 999); }, E::LoadFailed,
         "unknown type code 999"},
        {"alarm list type code", [](QByteArray& b) { putI32(b, objectCountAt(b, "S2") + 4, 419); },
         E::LoadFailed, "unknown type code 419"},
        {"backward picture end", [](QByteArray& b) { putI32(b, pictureEndAt(b), 200); }, E::LoadFailed,
         "PictureEnd"},
        {"picture end past the file", [](QByteArray& b) { putI32(b, pictureEndAt(b), 0x7FFFFFF0); },
         E::LoadFailed, "PictureEnd"},
        {"duplicate screen numbers", [](QByteArray& b) { putI32(b, objectCountAt(b, "S3") - 16, 2); },
         E::LoadFailed, "screen number 2 appears twice"},
        {"long description", [](QByteArray& b) { b[b.indexOf("S2") - 1] = char(0xFF); }, E::LoadFailed,
         "does not fit"},
    };
    for (const DamageCase& c : cases) {
        QByteArray bytes = good;
        c.damage(bytes);
        const ProjectFile::Result r = ProjectFile::parse(bytes, QStringLiteral("damaged.lzd"));
        EXPECT_EQ(r.error, c.error) << c.name << ": " << r.message().toStdString();
        EXPECT_EQ(r.project, nullptr) << c.name;
        EXPECT_TRUE(r.message().startsWith(QLatin1String("damaged.lzd: "))) << c.name;
        EXPECT_TRUE(r.message().contains(QLatin1String(c.says)))
            << c.name << ": " << r.message().toStdString();
    }
}

TEST(ProjectFile, ATruncatedFileNeverLoads)
{
    const QByteArray good = fullFile();
    const qsizetype body = good.size() - 15 - 8;
    for (qsizetype cut = 0; cut < body; ++cut) {
        // Cut bare, and cut with a trailer that fits the cut length.
        TBinaryWriter patched;
        patched.bytes(good.left(cut));
        patched.string("HMIVANTOFILE");
        patched.i64(patched.pos());
        for (const QByteArray& bytes : {good.left(cut), patched.data()}) {
            const ProjectFile::Result r = ProjectFile::parse(bytes, QStringLiteral("cut.lzd"));
            ASSERT_FALSE(r.ok()) << "cut at " << cut << " of " << good.size() << ": "
                                 << good.mid(cut - 40, 80).toHex().toStdString();
            ASSERT_TRUE(r.error == ProjectFile::Error::NotAProject ||
                        r.error == ProjectFile::Error::LoadFailed)
                << "cut at " << cut;
        }
    }
}

TEST(ProjectFile, VersionCheckComparesMajorFirst)
{
    struct Case
    {
        int fileMajor, fileMinor;
        bool supported;
    };
    for (const Case& c : {Case{2, 44, true}, Case{2, 45, false}, Case{1, 99, true}, Case{3, 0, false},
                          Case{2, 0, true}, Case{0, 255, true}})
        EXPECT_EQ(ProjectFile::IsFileVersionSupported(c.fileMajor, c.fileMinor), c.supported)
            << c.fileMajor << "." << c.fileMinor;

    QByteArray bytes = fullFile();
    bytes[0] = 1;
    bytes[1] = 99;
    EXPECT_TRUE(ProjectFile::parse(bytes, QStringLiteral("old.lzd")).ok());
}

TEST(ProjectFile, MessagesUseTheLanguageTextsWhenThereAreAny)
{
    const auto texts = [](int key) {
        return QStringLiteral("<%1>").arg(key);
    };
    const ProjectFile::Result missing = ProjectFile::open(QStringLiteral("/nonexistent/p.lzd"));
    EXPECT_EQ(missing.error, ProjectFile::Error::MissingFile);
    EXPECT_EQ(missing.message(), QStringLiteral("/nonexistent/p.lzd: the file does not exist"));
    EXPECT_EQ(missing.message(texts), QStringLiteral("<295>/nonexistent/p.lzd"));

    QByteArray bytes = fullFile();
    bytes[1] = 45;
    const ProjectFile::Result newer = ProjectFile::parse(bytes, QStringLiteral("n.lzd"));
    EXPECT_EQ(newer.message(texts), QStringLiteral("<392> 2.45.*.* <393>   "));

    bytes = fullFile();
    bytes.chop(30);
    const ProjectFile::Result bad = ProjectFile::parse(bytes, QStringLiteral("b.lzd"));
    EXPECT_TRUE(bad.message(texts).startsWith(QLatin1String("<285>\n"))) << bad.message(texts).toStdString();
}

TEST(ProjectFile, APasswordMustBeGivenBeforeLoading)
{
    const QByteArray bytes = fullFile();
    QByteArray asked;
    const auto refuse = [&asked](const QByteArray& stored) {
        asked = stored;
        return false;
    };
    const ProjectFile::Result r = ProjectFile::parse(bytes, QStringLiteral("p.lzd"), {}, refuse);
    EXPECT_EQ(r.error, ProjectFile::Error::PasswordRefused);
    EXPECT_EQ(asked, QByteArray::fromHex("9c9d9e"));
    EXPECT_TRUE(
        ProjectFile::parse(bytes, QStringLiteral("p.lzd"), {}, [](const QByteArray&) { return true; }).ok());
}

TEST(ProjectFile, ProgressCountsScreensAndEntriesAndAlwaysEnds)
{
    using Action = ProjectProgress::Action;
    std::vector<std::pair<Action, int>> seen;
    const ProjectProgress progress([&seen](Action a, int v) { seen.emplace_back(a, v); });
    auto project = FullProject();
    const QByteArray bytes = ProjectFile::encode(*project, ProjectFile::makePrefix(1), progress);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), std::pair(Action::Start, 3 + 2 + 1 + 1));
    EXPECT_EQ(std::count(seen.begin(), seen.end(), std::pair(Action::Step, 1)), 3 + 2 + 1);
    EXPECT_EQ(seen.back().first, Action::End);

    seen.clear();
    QByteArray damaged = bytes;
    putI32(damaged, objectCountAt(damaged, "second"), 999);
    EXPECT_FALSE(ProjectFile::parse(damaged, QStringLiteral("d.lzd"), {}, {}, progress).ok());
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), std::pair(Action::Start, 3 + 1));
    EXPECT_EQ(seen.back().first, Action::End);
}

// A save that cannot be completed (here: the process may not write files
// that large) must leave the old file and the project's modified state.
TEST(ProjectFile, AFailedSaveLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.lzd"));
    TProgramObj small;
    ASSERT_TRUE(ProjectFile::save(small, path, 1).ok());
    const QByteArray before = readFile(path);

    auto big = FullProject();
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = old;
    limited.rlim_cur = rlim_t(before.size() + 10);
    setrlimit(RLIMIT_FSIZE, &limited);
    const ProjectFile::Result r = ProjectFile::save(*big, path, 1);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(r.error, ProjectFile::Error::WriteFailed);
    EXPECT_TRUE(r.message().startsWith(path + QStringLiteral(": the project cannot be written: ")));
    EXPECT_TRUE(big->Modified);
    EXPECT_TRUE(big->FilePath.isEmpty());
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("p.lzd")});

    const ProjectFile::Result nowhere = ProjectFile::save(*big, dir.filePath(QStringLiteral("no/p.lzd")), 1);
    EXPECT_EQ(nowhere.error, ProjectFile::Error::WriteFailed);
}

TEST(ProjectFile, ObjectsMarkedForDeletionAreLeftOutOfTheCount)
{
    TProgramObj p;
    Tpageobj& s = *p.FirstScreen();
    s.Description = "S1";
    s.AddObject(411, 0, 0);
    s.AddObject(413, 20, 0)->DeleteMark = true;
    s.AddObject(415, 40, 0);
    const QByteArray bytes = ProjectFile::encode(p, ProjectFile::makePrefix(1));
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(bytes.constData() + objectCountAt(bytes, "S1")), 2);
    const ProjectFile::Result opened = ProjectFile::parse(bytes, QStringLiteral("p.lzd"));
    ASSERT_TRUE(opened.ok()) << opened.message().toStdString();
    ASSERT_EQ(opened.project->FirstScreen()->Objects.size(), 2u);
    EXPECT_EQ(opened.project->FirstScreen()->Objects[1]->TypeCode, 415);
}

} // namespace
