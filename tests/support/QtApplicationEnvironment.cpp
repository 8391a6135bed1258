// One QApplication for a whole widget test program, created before the first test and
// destroyed after the last. The Fusion style keeps the pictures the same whatever the machine
// prefers. Widget test programs list this file among their sources (tests/CMakeLists.txt:
// KK_QT_TEST_ENVIRONMENT).

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class CQtApplicationEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
        QApplication::setStyle(QStringLiteral("Fusion"));
    }
    void TearDown() override { m_application.reset(); }

private:
    char m_name[9] = "kk_tests";
    char* m_argv[2] = {m_name, nullptr};
    int m_argc = 1;
    std::unique_ptr<QApplication> m_application;
};

[[maybe_unused]] testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new CQtApplicationEnvironment);

} // namespace
