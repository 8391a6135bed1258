#include "platform/qt/QtFileDialogService.h"

#include "ModalWindows.h"
#include "TempDir.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

TEST(QtNameFiltersTest, TurnsThePipeSeparatedFilterIntoQtNameFilters)
{
    const struct
    {
        const char* Filter;
        QStringList Expected;
    } cases[] = {
        {"Datenfile (*.xml)|*.xml|All Files (*.*)|*.*||", {"Datenfile (*.xml)", "All Files (*)"}},
        {"XML Dateien (*.xml)|*.xml|Alle Dateien (*.*)|*.*||", {"XML Dateien (*.xml)", "Alle Dateien (*)"}},
        // A description without its patterns, several patterns, a missing end.
        {"Bilder|*.jpg;*.png|", {"Bilder (*.jpg *.png)"}},
        {"Bilddateien (*.jpg; *.gif)|*.jpg; *.gif", {"Bilddateien (*.jpg *.gif)"}},
        {"", {}},
        {"Nur eine Beschreibung", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QtNameFilters(c.Filter), c.Expected) << c.Filter;
}

class QtFileDialogServiceTest : public testing::Test
{
protected:
    CFileDialogRequest DataFileRequest() const
    {
        CFileDialogRequest request;
        request.InitialDirectory = m_directory.Path().string();
        request.DefaultExtension = "xml";
        request.DefaultFileName = "KostenkochData.xml";
        request.Filter = "Datenfile (*.xml)|*.xml|All Files (*.*)|*.*||";
        return request;
    }
    // Types `name` into the next file dialog and accepts it, after noting how it was set up.
    void ChooseInNextDialog(const QString& name)
    {
        WhenModalAppears<QFileDialog>([this, name](QFileDialog& dialog) {
            m_acceptMode = dialog.acceptMode();
            m_suffix = dialog.defaultSuffix();
            m_filters = dialog.nameFilters();
            m_shownDirectory = dialog.directory().absolutePath();
            m_confirms = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
            m_typed = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
            QMetaObject::invokeMethod(&dialog, "accept");
        });
    }

    CTempDir m_directory;
    CQtFileDialogService m_service;
    QFileDialog::AcceptMode m_acceptMode = QFileDialog::AcceptOpen;
    QString m_suffix;
    QStringList m_filters;
    QString m_shownDirectory;
    bool m_confirms = false;
    QString m_typed;
};

TEST_F(QtFileDialogServiceTest, SaveDialogIsSetUpFromTheRequestAndReturnsAWindows1252Path)
{
    ChooseInNextDialog(QStringLiteral(u"Küche"));
    const auto path = m_service.AskSavePath(DataFileRequest());

    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, m_directory.File("K\xFC"
                                      "che.xml"));
    EXPECT_EQ(m_acceptMode, QFileDialog::AcceptSave);
    EXPECT_EQ(m_suffix, QStringLiteral("xml"));
    EXPECT_EQ(m_filters, (QStringList{"Datenfile (*.xml)", "All Files (*)"}));
    EXPECT_EQ(m_shownDirectory, QString::fromStdString(m_directory.Path().string()));
    EXPECT_TRUE(m_confirms);
    EXPECT_EQ(m_typed, QStringLiteral("KostenkochData.xml"));
}

TEST_F(QtFileDialogServiceTest, OpenDialogReturnsAnExistingFile)
{
    const std::string existing = m_directory.File("Alt.xml");
    std::fclose(std::fopen(existing.c_str(), "w"));
    ChooseInNextDialog(QStringLiteral("Alt.xml"));
    EXPECT_EQ(m_service.AskOpenPath(DataFileRequest()), existing);
    EXPECT_EQ(m_acceptMode, QFileDialog::AcceptOpen);
}

// A name the code page cannot hold is refused and the dialog comes again.
TEST_F(QtFileDialogServiceTest, PathOutsideWindows1252IsRefusedAndAskedAgain)
{
    QString warning;
    ChooseInNextDialog(QStringLiteral(u"Łódź"));
    QTimer::singleShot(0, [&warning] {
        WhenModalAppears<QMessageBox>([&warning](QMessageBox& box) {
            warning = box.text();
            box.accept();
            WhenModalAppears<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
        });
    });
    EXPECT_FALSE(m_service.AskSavePath(DataFileRequest()).has_value());
    EXPECT_TRUE(warning.contains(QStringLiteral(u"Łódź"))) << warning.toStdString();
}

} // namespace
