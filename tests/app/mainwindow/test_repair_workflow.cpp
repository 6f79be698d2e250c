// The single-file repair from the Repair page and from the command line, with
// the real engine on generated files.
#include "main_window_fixture.h"

#include "localization/TarqStrings.h"

#include <QFileInfo>
#include <QProgressBar>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTimer>

namespace {

const QString Sep(56, u'-');

QStringList StartBlock(const QString& src, qint64 size, const QString& dst)
{
    return {QStringLiteral("Start repair process ..."), Sep,
            QStringLiteral("File to be repaired: '%1'; File size: %2 bytes").arg(src).arg(size),
            QStringLiteral("Output fixed file as: '%1'").arg(dst), Sep};
}

// The end block and what follows it, from the first separator after the engine's lines.
void ExpectEndBlock(const QStringList& log, qsizetype at)
{
    ASSERT_GE(log.size(), at + 5);
    EXPECT_EQ(log[at], Sep);
    static const QRegularExpression consumed(QStringLiteral(
        "^Consumed time: 0 day\\(s\\) 0 hour\\(s\\) 0 minute\\(s\\) \\d+ second\\(s\\) \\d+ millisecond\\(s\\)\\.$"));
    EXPECT_TRUE(consumed.match(log[at + 1]).hasMatch()) << log[at + 1].toStdString();
    EXPECT_EQ(log[at + 2], Sep);
    EXPECT_EQ(log[at + 3], QStringLiteral("Repair process completes."));
    EXPECT_EQ(log[at + 4], Sep);
}

void ExpectIdle(const TTestMainForm& form)
{
    EXPECT_FALSE(form.FInRepair);
    EXPECT_FALSE(form.FIsStopping);
    EXPECT_EQ(form.btnRepair->text(), QStringLiteral("&Start Repair"));
    EXPECT_EQ(form.btnRepair->property("skinElement").toString(), QStringLiteral("startbutton"));
    EXPECT_TRUE(form.txtSrcFile->isEnabled());
    EXPECT_TRUE(form.txtDstFile->isEnabled());
    EXPECT_TRUE(form.btnSaveLog->isEnabled());
    EXPECT_TRUE(form.btnRepairFiles->isEnabled());
}

qint64 FileSize(const QString& path)
{
    return QFileInfo(path).size();
}

uint32_t StoredCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 84)
        return 0;
    uint32_t count = 0;
    std::memcpy(&count, bytes.constData() + 80, 4);
    return count;
}

TEST_F(MainWindowTest, ACompleteRepairLogsEveryLineShowsTheSuccessWindowAndOpensTheFixedFile)
{
    Start();
    const QString src = WriteModel(QStringLiteral("model.stl"), 10);
    const QString dst = File(QStringLiteral("model_fixed.stl"));
    Form->txtSrcFile->setText(src);
    ASSERT_EQ(Form->txtDstFile->text(), dst);  // the proposal follows the source
    ASSERT_TRUE(Form->chkOpenFixed->isChecked());

    Form->btnRepair->click();

    EXPECT_TRUE(Messages.Asked.isEmpty()) << AskedTexts().join(u'\n').toStdString();
    const QStringList log = Log();
    ASSERT_GE(log.size(), 5);
    EXPECT_EQ(log.mid(0, 5), StartBlock(src, FileSize(src), dst));
    qsizetype end = 5;
    static const QRegularExpression countLine(QStringLiteral("^Total count of processed facets: \\d+\\.$"));
    while (end < log.size() && log[end] != Sep) {
        EXPECT_TRUE(countLine.match(log[end]).hasMatch() || log[end] == QStringLiteral("Final data processing."))
            << log[end].toStdString();
        ++end;
    }
    ASSERT_GT(end, 5);
    EXPECT_EQ(log[end - 1], QStringLiteral("Final data processing."));
    ExpectEndBlock(log, end);
    EXPECT_EQ(log.mid(end + 5),
              (QStringList{QStringLiteral("STL file 'model.stl' has been repaired successfully!"), QString(),
                           QStringLiteral("Now you can open the fixed file 'model_fixed.stl'."), QString(),
                           QString()}));

    ASSERT_EQ(Modal.Shown.size(), 1);
    EXPECT_EQ(Modal.Shown[0].Title, QStringLiteral("Successful!"));
    ASSERT_EQ(ModalTexts.size(), 1);
    EXPECT_TRUE(ModalTexts[0].contains(QStringLiteral(
        "STL file 'model.stl' has been repaired successfully!<BR><BR>Now you can open the fixed file "
        "'model_fixed.stl'.<BR><BR>")));

    EXPECT_EQ(StoredCount(dst), 10u);
    EXPECT_EQ(FileSize(dst), 84 + 10 * 50);
    ASSERT_EQ(Shell.Requests.size(), 1);
    EXPECT_EQ(Shell.Requests[0].Verb, QString());
    EXPECT_EQ(Shell.Requests[0].Target, dst);
    EXPECT_EQ(Form->Gauge->value(), 100);
    ExpectIdle(*Form);
}

TEST_F(MainWindowTest, TheProposalFollowsEveryEditOfTheSource)
{
    Start();
    struct {
        const char* Source;
        const char* Proposal;
    } const cases[] = {
        {"/a/model.stl", "/a/model_fixed.stl"},
        {"/a/x.STL", "/a/x_fixed.STL"},
        {"/a/model", "/a/model_fixed"},
        {"/a.b/c", "/a.b/c_fixed"},
        {"/a/report.tar.gz", "/a/report.tar_fixed.gz"},
    };
    for (const auto& c : cases) {
        Form->txtDstFile->setText(QStringLiteral("typed earlier.stl"));
        Form->txtSrcFile->setText(QString::fromUtf8(c.Source));
        EXPECT_EQ(Form->txtDstFile->text(), QString::fromUtf8(c.Proposal)) << c.Source;
    }
    // An emptied source leaves the target as it is.
    Form->txtSrcFile->clear();
    EXPECT_EQ(Form->txtDstFile->text(), QStringLiteral("/a/report.tar_fixed.gz"));
    // A dropped file becomes the source, and its proposal the target.
    Form->txtSrcFile->OnDropFile()(Form->txtSrcFile, QStringLiteral("/dropped/part.stl"));
    EXPECT_EQ(Form->txtSrcFile->text(), QStringLiteral("/dropped/part.stl"));
    EXPECT_EQ(Form->txtDstFile->text(), QStringLiteral("/dropped/part_fixed.stl"));
}

TEST_F(MainWindowTest, TheTargetExtensionTest)
{
    Start();
    EXPECT_TRUE(Form->IsValidDstFileExt(QStringLiteral("/a/out.STL")));
    EXPECT_TRUE(Form->IsValidDstFileExt(QStringLiteral("/a/out.stl")));
    EXPECT_FALSE(Form->IsValidDstFileExt(QStringLiteral("/a/out.stlx")));
    EXPECT_FALSE(Form->IsValidDstFileExt(QStringLiteral("/a/out")));
    EXPECT_FALSE(Form->IsValidDstFileExt(QStringLiteral("/a.stl/out")));
}

TEST_F(MainWindowTest, TheFreeSpaceTestKeepsAOnePercentMargin)
{
    Start();
    const QString dst = File(QStringLiteral("out.stl"));
    struct {
        int SourceSize;
        int64_t Free;
        bool Enough;
    } const cases[] = {{99, 99, true}, {99, 98, false}, {199, 200, true}, {199, 199, false}, {0, 0, true}};
    for (const auto& c : cases) {
        const QString src = File(QStringLiteral("src.bin"));
        ASSERT_TRUE(stlfixture::WriteBytes(src, QByteArray(c.SourceSize, 'x')));
        Form->FreeSpaceProbe = [&](const QString&) { return std::optional<int64_t>(c.Free); };
        EXPECT_EQ(Form->HasEnoughFreeSpace(src, dst), c.Enough) << c.SourceSize << " / " << c.Free;
    }
    Form->FreeSpaceProbe = [](const QString&) { return std::optional<int64_t>(); };
    EXPECT_TRUE(Form->HasEnoughFreeSpace(File(QStringLiteral("src.bin")), dst));
}

// One warning at a time, declined: the start block, one abort line, nothing written.
TEST_F(MainWindowTest, EachDeclinedWarningLeavesTheStartBlockAndOneAbortLine)
{
    Start();
    const QString src = WriteModel(QStringLiteral("model.stl"), 10);
    const QString existing = File(QStringLiteral("model_fixed.stl"));
    const QString missingDir = File(QStringLiteral("new/sub"));
    const QString root = QStorageInfo(File(QString())).rootPath();

    struct TCase {
        const char* Name;
        QString Target;
        std::function<void()> Arrange;
        QString Question;
    };
    const std::vector<TCase> cases = {
        {"Warning 2", File(QStringLiteral("out.txt")), [] {},
         QStringLiteral("Warning 2: Extension of destination file 'out.txt' is invalid! Still proceed?")},
        {"Warning 4", missingDir + QStringLiteral("/out.stl"), [] {},
         QStringLiteral("Warning 4: The path '%1' for destination file 'out.stl' does not exist. Create it?")
             .arg(missingDir)},
        {"Warning 1", existing, [&] { stlfixture::WriteBytes(existing, "keep me"); },
         QStringLiteral("Warning 1: A file named 'model_fixed.stl' already exists. Overwrite it?")},
        {"Warning 3", File(QStringLiteral("roomy.stl")),
         [&] { Form->FreeSpaceProbe = [](const QString&) { return std::optional<int64_t>(0); }; },
         QStringLiteral("Warning 3: Free spaces on drive '%1' may not be enough for destination file '%2'! Still proceed?")
             .arg(root, File(QStringLiteral("roomy.stl")))},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Messages.Asked.clear();
        ModalTexts.clear();
        c.Arrange();
        Form->txtSrcFile->setText(src);
        Form->txtDstFile->setText(c.Target);
        Messages.Answer({mrNo});

        Form->btnRepair->click();

        ASSERT_EQ(Messages.Asked.size(), 1);
        EXPECT_EQ(Messages.Asked[0].Kind, TMsgDlgType::mtConfirmation);
        EXPECT_EQ(Messages.Asked[0].Text, c.Question);
        EXPECT_TRUE(Messages.Asked[0].Buttons == mbYesNo());
        QStringList expected = StartBlock(src, FileSize(src), QFileInfo(c.Target).absoluteFilePath());
        expected << QStringLiteral("Abort repairing file 'model.stl'.");
        EXPECT_EQ(Log(), expected);
        EXPECT_TRUE(ModalTexts.isEmpty());
        ExpectIdle(*Form);
        Form->FreeSpaceProbe = [](const QString&) { return std::optional<int64_t>(); };
    }
    EXPECT_FALSE(QFileInfo::exists(missingDir));
    EXPECT_FALSE(QFileInfo::exists(File(QStringLiteral("out.txt"))));
    EXPECT_FALSE(QFileInfo::exists(File(QStringLiteral("roomy.stl"))));
    QFile kept(existing);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("keep me"));
    EXPECT_TRUE(Shell.Requests.isEmpty());
}

TEST_F(MainWindowTest, WarningFourComesBeforeWarningOneAndItsFoldersStayAfterYes)
{
    Start();
    const QString src = WriteModel(QStringLiteral("model.stl"), 10);
    const QString dir = File(QStringLiteral("a/b/c"));
    Form->DstFileExistsOverride = [](const QString&) { return true; };
    Form->txtSrcFile->setText(src);
    Form->txtDstFile->setText(dir + QStringLiteral("/out.stl"));
    Messages.Answer({mrYes, mrNo});

    Form->btnRepair->click();

    ASSERT_EQ(Messages.Asked.size(), 2);
    EXPECT_TRUE(Messages.Asked[0].Text.startsWith(QStringLiteral("Warning 4:")));
    EXPECT_TRUE(Messages.Asked[1].Text.startsWith(QStringLiteral("Warning 1:")));
    EXPECT_TRUE(QFileInfo(dir).isDir());
    EXPECT_EQ(Log().last(), QStringLiteral("Abort repairing file 'model.stl'."));
    EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("/out.stl")));
}

TEST_F(MainWindowTest, AllWarningsAnsweredYesAskInTheOrderTwoFourOneThreeAndRepair)
{
    Start();
    const QString src = WriteModel(QStringLiteral("model.stl"), 10);
    const QString target = File(QStringLiteral("deep/out.bin"));
    Form->DstFileExistsOverride = [](const QString&) { return true; };
    Form->FreeSpaceProbe = [](const QString&) { return std::optional<int64_t>(1); };
    Form->chkOpenFixed->setChecked(false);
    Form->txtSrcFile->setText(src);
    Form->txtDstFile->setText(target);
    Messages.Answer({mrYes, mrYes, mrYes, mrYes});

    Form->btnRepair->click();

    QStringList numbers;
    for (const QString& text : AskedTexts())
        numbers << text.left(9);
    EXPECT_EQ(numbers, (QStringList{QStringLiteral("Warning 2"), QStringLiteral("Warning 4"),
                                    QStringLiteral("Warning 1"), QStringLiteral("Warning 3")}));
    EXPECT_EQ(StoredCount(target), 10u);
    EXPECT_EQ(ModalTexts.size(), 1);
    EXPECT_TRUE(Shell.Requests.isEmpty());  // the option is off
}

TEST_F(MainWindowTest, AStopConfirmedDuringARepairReportsTheUserAbort)
{
    Start();
    // Large enough that the engine is still scanning when the stop arrives.
    const QString src = WriteModel(QStringLiteral("large.stl"), 120000, 9);
    Form->txtSrcFile->setText(src);
    Messages.Answer({mrYes});
    // The stop button is pressed as soon as the window processes input again,
    // that is from inside the repair's wait.
    QTimer::singleShot(0, Form.get(), [this] {
        EXPECT_TRUE(Form->FInRepair);
        EXPECT_EQ(Form->btnRepair->text(), QStringLiteral("&Stop Repair"));
        EXPECT_EQ(Form->btnRepair->property("skinElement").toString(), QStringLiteral("stopbutton"));
        EXPECT_FALSE(Form->txtSrcFile->isEnabled());
        EXPECT_FALSE(Form->btnRepairFiles->isEnabled());
        Form->btnRepair->click();
    });

    Form->btnRepair->click();

    ASSERT_EQ(Messages.Asked.size(), 2);
    EXPECT_EQ(Messages.Asked[0].Kind, TMsgDlgType::mtWarning);
    EXPECT_EQ(Messages.Asked[0].Text,
              QStringLiteral("The recovery process is still in progress. Are you sure to abort it?"));
    EXPECT_EQ(Messages.Asked[1].Kind, TMsgDlgType::mtInformation);
    EXPECT_EQ(Messages.Asked[1].Text, QStringLiteral("User aborts the repair process."));
    const QStringList log = Log();
    EXPECT_EQ(log.last(), QStringLiteral("User aborts the repair process."));
    EXPECT_EQ(log[log.size() - 2], Sep);
    EXPECT_EQ(log[log.size() - 3], QStringLiteral("Repair process completes."));
    EXPECT_TRUE(ModalTexts.isEmpty());
    EXPECT_TRUE(Shell.Requests.isEmpty());
    // Stopped early: far fewer facets than the file holds.
    EXPECT_LT(StoredCount(File(QStringLiteral("large_fixed.stl"))), 120000u);
    ExpectIdle(*Form);
}

TEST_F(MainWindowTest, AStopDeclinedLetsTheRepairFinish)
{
    Start();
    const QString src = WriteModel(QStringLiteral("model.stl"), 3000);
    Form->chkOpenFixed->setChecked(false);
    Form->txtSrcFile->setText(src);
    Messages.Answer({mrNo});
    QTimer::singleShot(0, Form.get(), [this] { Form->btnRepair->click(); });

    Form->btnRepair->click();

    ASSERT_GE(Messages.Asked.size(), 1);
    EXPECT_EQ(Messages.Asked[0].Kind, TMsgDlgType::mtWarning);
    EXPECT_EQ(StoredCount(File(QStringLiteral("model_fixed.stl"))), 3000u);
    EXPECT_EQ(ModalTexts.size(), 1);
}

TEST_F(MainWindowTest, AnEngineFailureIsLoggedAndShown)
{
    Start();
    const QString src = File(QStringLiteral("noise.stl"));
    QByteArray noise(4000, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919) % 251);
    ASSERT_TRUE(stlfixture::WriteBytes(src, noise));
    Form->txtSrcFile->setText(src);

    Form->btnRepair->click();

    const QString fail = QStringLiteral("Fail to repair file '%1'!").arg(src);
    ASSERT_EQ(Messages.Asked.size(), 1);
    EXPECT_EQ(Messages.Asked[0].Kind, TMsgDlgType::mtInformation);
    EXPECT_EQ(Messages.Asked[0].Text, fail);
    EXPECT_EQ(Log().last(), fail);
    EXPECT_TRUE(ModalTexts.isEmpty());
    EXPECT_TRUE(Shell.Requests.isEmpty());
    ExpectIdle(*Form);
}

TEST_F(MainWindowTest, AnEngineErrorMessageIsShownBeforeTheFailure)
{
    Start();
    const QString src = WriteModel(QStringLiteral("model.stl"), 10);
    // A device that refuses every write: the engine reports the failure itself.
    const QString target = QStringLiteral("/dev/full");
    Form->FreeSpaceProbe = [](const QString&) { return std::optional<int64_t>(); };
    Form->txtSrcFile->setText(src);
    Form->txtDstFile->setText(target);
    Messages.Answer({mrYes, mrYes});

    Form->btnRepair->click();

    ASSERT_EQ(Messages.Asked.size(), 4) << AskedTexts().join(u'\n').toStdString();
    EXPECT_TRUE(Messages.Asked[0].Text.startsWith(QStringLiteral("Warning 2:")));
    EXPECT_TRUE(Messages.Asked[1].Text.startsWith(QStringLiteral("Warning 1:")));
    EXPECT_EQ(Messages.Asked[2].Kind, TMsgDlgType::mtInformation);
    EXPECT_TRUE(Messages.Asked[2].Text.startsWith(QStringLiteral("Error"))) << Messages.Asked[2].Text.toStdString();
    EXPECT_EQ(Messages.Asked[3].Text, QStringLiteral("Fail to repair file '%1'!").arg(src));
    // The engine's error text reaches the box, not the log.
    EXPECT_FALSE(Log().contains(Messages.Asked[2].Text));
    ExpectIdle(*Form);
}

TEST_F(MainWindowTest, ChecksBeforeARepairChangeNothing)
{
    Start();
    struct {
        const char* Source;
        const char* Target;
        const char* Message;
    } const cases[] = {
        {"   ", "x.stl", "Please select or input the file to be repaired!"},
        {"/no/such/dir/gone.stl", "x.stl", "'gone.stl' does not exist! Please select an existing file!"},
        {"@model", "  ", "Please input the fixed file name!"},
    };
    const QString model = WriteModel(QStringLiteral("model.stl"), 3);
    Form->AddLogLine(QStringLiteral("earlier line"));
    for (const auto& c : cases) {
        Messages.Asked.clear();
        QString source = QString::fromUtf8(c.Source);
        if (source == QStringLiteral("@model"))
            source = model;
        Form->txtSrcFile->setText(source);
        Form->txtDstFile->setText(QString::fromUtf8(c.Target));
        Form->btnRepair->click();
        ASSERT_EQ(Messages.Asked.size(), 1);
        EXPECT_EQ(Messages.Asked[0].Kind, TMsgDlgType::mtInformation);
        EXPECT_EQ(Messages.Asked[0].Text, QString::fromUtf8(c.Message));
        EXPECT_EQ(Log(), QStringList{QStringLiteral("earlier line")});
        ExpectIdle(*Form);
    }
}

TEST_F(MainWindowTest, AnExceptionDuringARepairStillRestoresTheIdleState)
{
    Start();
    const QString src = WriteModel(QStringLiteral("model.stl"), 3);
    const QString saved = SRepairSrcFile;
    SRepairSrcFile = QStringLiteral("File %d broken");  // a translation that breaks its placeholder
    Form->txtSrcFile->setText(src);

    Form->btnRepair->click();
    SRepairSrcFile = saved;

    ASSERT_EQ(Messages.Asked.size(), 1);
    EXPECT_EQ(Messages.Asked[0].Kind, TMsgDlgType::mtError);
    ExpectIdle(*Form);
    EXPECT_FALSE(Form->Timer->isActive());
}

TEST_F(MainWindowTest, AFileNameWithMarkupIsShownAsText)
{
    Start();
    const QString src = WriteModel(QStringLiteral("a<b>c.stl"), 3);
    Form->chkOpenFixed->setChecked(false);
    Form->txtSrcFile->setText(src);

    Form->btnRepair->click();

    ASSERT_EQ(ModalTexts.size(), 1);
    EXPECT_TRUE(ModalTexts[0].contains(QStringLiteral("a&lt;b&gt;c.stl")));
    EXPECT_TRUE(Log().contains(QStringLiteral("STL file 'a<b>c.stl' has been repaired successfully!")));
}

// ---- the command line ----------------------------------------------------------------

TEST_F(MainWindowTest, TheCommandLineRepairsTheNamedFileAndOpensItWithSwitchO)
{
    const QString src = WriteModel(QStringLiteral("model.stl"), 10);
    Start({QStringLiteral("-O"), src});

    EXPECT_TRUE(Form->chkOpenFixed->isChecked());
    EXPECT_EQ(Form->txtSrcFile->text(), src);
    EXPECT_EQ(StoredCount(File(QStringLiteral("model_fixed.stl"))), 10u);
    ASSERT_EQ(Shell.Requests.size(), 1);
    EXPECT_EQ(Shell.Requests[0].Target, File(QStringLiteral("model_fixed.stl")));
    EXPECT_FALSE(ApplicationTerminated());
    EXPECT_TRUE(Form->isVisible());
}

TEST_F(MainWindowTest, TheCommandLineSwitchesAndTheirAbsence)
{
    const QString src = WriteModel(QStringLiteral("model.stl"), 10);
    struct {
        QStringList Arguments;
        bool OpenFixed;
        bool Ends;
    } const cases[] = {
        {{src}, false, false},
        {{QStringLiteral("/o"), src}, true, false},
        {{src, QStringLiteral("-e")}, false, true},
        {{QStringLiteral("/E"), QStringLiteral("-O"), src}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Arguments.join(u' ').toStdString());
        Shell.Requests.clear();
        ResetApplicationTerminated();
        QFile::remove(File(QStringLiteral("model_fixed.stl")));
        Form.reset();
        Start(c.Arguments);
        EXPECT_EQ(Form->chkOpenFixed->isChecked(), c.OpenFixed);
        EXPECT_EQ(StoredCount(File(QStringLiteral("model_fixed.stl"))), 10u);
        EXPECT_EQ(Shell.Requests.size(), c.OpenFixed ? 1 : 0);
        EXPECT_EQ(ApplicationTerminated(), c.Ends);
    }
    ResetApplicationTerminated();
}

TEST_F(MainWindowTest, ASwitchWithoutAFileOrAMissingFileGivesTheOpenError)
{
    struct {
        QStringList Arguments;
        QString Message;
    } const cases[] = {
        {{QStringLiteral("-O")}, QStringLiteral("Cannot open file ''!")},
        {{File(QStringLiteral("absent.stl"))},
         QStringLiteral("Cannot open file '%1'!").arg(File(QStringLiteral("absent.stl")))},
    };
    for (const auto& c : cases) {
        Messages.Asked.clear();
        Form.reset();
        Start(c.Arguments);
        ASSERT_EQ(Messages.Asked.size(), 1);
        EXPECT_EQ(Messages.Asked[0].Kind, TMsgDlgType::mtError);
        EXPECT_EQ(Messages.Asked[0].Text, c.Message);
        EXPECT_TRUE(Log().isEmpty());
        EXPECT_TRUE(Form->txtSrcFile->text().isEmpty());
    }
}

TEST_F(MainWindowTest, TheUpdateCheckWaitsUntilTheCommandLineRepairIsOver)
{
    const QString src = WriteModel(QStringLiteral("model.stl"), 3000);
    Start({src});
    QApplication::processEvents();
    EXPECT_EQ(Form->UpdateChecks, 1);
    EXPECT_FALSE(Form->UpdateCheckWhileRepairing);
}

} // namespace
