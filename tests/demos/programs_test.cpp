// The four programs as a user starts them: offscreen snapshots on the
// simulated boards, and the one message of a board that cannot be had.

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace brennix::demos {
namespace {

struct Outcome {
    int exitCode = -1;
    QString errors;
};

class ProgramTest : public ::testing::Test {
  protected:
    Outcome run(const QString& program, const QStringList& args,
                const QStringList& environment = {}) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& assignment : environment) {
            env.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
        }
        process.setProcessEnvironment(env);
        process.start(program, args);
        EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardError())};
    }
    QString snapshot() const { return dir_.filePath("snapshot.png"); }

  private:
    QTemporaryDir dir_;
};

TEST_F(ProgramTest, SynthesizeRunsOffscreenAndWritesItsWholeForm) {
    const Outcome r = run(BRENNIX_DEMO_SYNTHESIZE, {"--snapshot", snapshot(), "--run-for", "300"});
    ASSERT_EQ(r.exitCode, 0) << r.errors.toStdString();
    const QImage image(snapshot());
    EXPECT_EQ(image.size(), QSize(1000, 830));
}

TEST_F(ProgramTest, TheOlmiProgramsRunOnTheSimulatedBoardByDefault) {
    for (const char* program : {BRENNIX_DEMO_FENNICK, BRENNIX_DEMO_GARROW, BRENNIX_DEMO_HOLLIN}) {
        const Outcome r = run(program, {"--snapshot", snapshot(), "--run-for", "100"});
        EXPECT_EQ(r.exitCode, 0) << program << r.errors.toStdString();
        EXPECT_FALSE(r.errors.contains("message:")) << program << r.errors.toStdString();
        EXPECT_FALSE(QImage(snapshot()).isNull()) << program;
        QFile::remove(snapshot());
    }
}

TEST_F(ProgramTest, WithoutItsDriverAProgramShowsOneMessageAndEnds) {
    for (const char* program : {BRENNIX_DEMO_FENNICK, BRENNIX_DEMO_GARROW, BRENNIX_DEMO_HOLLIN}) {
        const Outcome r = run(program, {"--snapshot", snapshot(), "--run-for", "100"},
                              {"BRENNIX_OLMI_LIBRARY=/nonexistent/libolmi.so"});
        EXPECT_EQ(r.exitCode, 1) << program;
        EXPECT_EQ(r.errors.count("message: "), 1) << program << r.errors.toStdString();
        EXPECT_TRUE(r.errors.contains("message: Brax-Olmi Initialization Error!"))
            << program << r.errors.toStdString();
        EXPECT_FALSE(QFile::exists(snapshot())) << program;
    }
}

TEST_F(ProgramTest, AWrongCommandLineIsRefusedWithTheUsage) {
    const Outcome r = run(BRENNIX_DEMO_SYNTHESIZE, {"--run-for", "later"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.errors.contains("usage: synthesize"));
}

}  // namespace
}  // namespace brennix::demos
