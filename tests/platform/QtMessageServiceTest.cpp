#include "platform/qt/QtMessageService.h"

#include "ModalWindows.h"

#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

// The message service with Qt's German texts installed, as the program runs it.
class QtMessageServiceTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_german = m_translator.load(QStringLiteral("qtbase_de"),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (m_german)
            QCoreApplication::installTranslator(&m_translator);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&m_translator); }

    // Presses the button with this text in the next message box, after noting what it showed.
    void PressInNextBox(const QString& button)
    {
        WhenModalAppears<QMessageBox>([this, button](QMessageBox& box) {
            m_caption = box.windowTitle();
            m_text = box.text();
            m_buttons = ButtonTexts(box);
            for (QAbstractButton* candidate : box.buttons()) {
                if (candidate->text().remove(QLatin1Char('&')) == button)
                    candidate->click();
            }
        });
    }
    void EscapeNextBox()
    {
        WhenModalAppears<QMessageBox>([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    }

    QTranslator m_translator;
    bool m_german = false;
    CQtMessageService m_service;
    QString m_caption;
    QString m_text;
    QStringList m_buttons;
};

TEST_F(QtMessageServiceTest, QuestionsShowGermanButtonsAndReturnTheAnswerPressed)
{
    if (!m_german)
        GTEST_SKIP() << "Qt's German translation (qtbase_de.qm) is not installed";

    PressInNextBox(QStringLiteral("Nein"));
    EXPECT_EQ(m_service.AskYesNoCancel("Speichern?", "Kostenkoch"), CMessageService::No);
    EXPECT_EQ(m_buttons, (QStringList{"Abbrechen", "Ja", "Nein"}));

    PressInNextBox(QStringLiteral("Ja"));
    EXPECT_EQ(m_service.AskYesNo("Beenden?", "Kostenkoch"), CMessageService::Yes);
    EXPECT_EQ(m_buttons, (QStringList{"Ja", "Nein"}));

    PressInNextBox(QStringLiteral("Abbrechen"));
    EXPECT_EQ(m_service.AskYesNoCancel("Speichern?", "Kostenkoch"), CMessageService::Cancel);

    PressInNextBox(QStringLiteral("OK"));
    m_service.ShowMessage("Fertig", "Kostenkoch");
    EXPECT_EQ(m_buttons, (QStringList{"OK"}));
}

TEST_F(QtMessageServiceTest, ClosingAQuestionAnswersNoOrCancel)
{
    EscapeNextBox();
    EXPECT_EQ(m_service.AskYesNo("Beenden?", "Kostenkoch"), CMessageService::No);
    EscapeNextBox();
    EXPECT_EQ(m_service.AskYesNoCancel("Speichern?", "Kostenkoch"), CMessageService::Cancel);
}

TEST_F(QtMessageServiceTest, TextsAreConvertedFromWindows1252AndAnEmptyCaptionIsTheProgramsName)
{
    PressInNextBox(QStringLiteral("OK"));
    m_service.ShowMessage("Initialisiere Verk\xE4ufe \x80 5", "");
    EXPECT_EQ(m_text, QStringLiteral(u"Initialisiere Verkäufe € 5"));
    EXPECT_EQ(m_caption, QStringLiteral("Kostenkoch"));

    PressInNextBox(QStringLiteral("OK"));
    m_service.ShowMessage("x", "Gr\xFC\xDF"
                               "e");
    EXPECT_EQ(m_caption, QStringLiteral(u"Grüße"));
}

TEST_F(QtMessageServiceTest, WaitCursorNestsAndMessageBoxesShowTheArrow)
{
    m_service.BeginWaitCursor();
    m_service.BeginWaitCursor();
    m_service.EndWaitCursor();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

    Qt::CursorShape duringBox = Qt::WaitCursor;
    WhenModalAppears<QMessageBox>([&duringBox](QMessageBox& box) {
        duringBox = QApplication::overrideCursor()->shape();
        box.accept();
    });
    m_service.ShowMessage("read file failed: /tmp/x.xml", "Kostenkoch");
    EXPECT_EQ(duringBox, Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

    m_service.EndWaitCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
