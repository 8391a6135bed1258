// One QApplication for each test program of the application (start-up and main window),
// created before the first test and destroyed after the last; the Fusion style keeps the
// pictures the same on every machine.

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class CStartTestEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
        QApplication::setStyle(QStringLiteral("Fusion"));
    }
    void TearDown() override { m_application.reset(); }

private:
    char m_name[8] = "kk_app";
    char* m_argv[2] = {m_name, nullptr};
    int m_argc = 1;
    std::unique_ptr<QApplication> m_application;
};

[[maybe_unused]] testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new CStartTestEnvironment);

} // namespace
