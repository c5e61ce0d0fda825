// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The main window on Qt: layout from the template, typing and calculating,
// the Q0 prompt, keyboard endings, the system menu and the About box.
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/qt/dialog_units.h"
#include "platform/qt/text.h"
#include "res/resource_ids.h"
#include "window_fixture.h"

namespace tavilo::testing {
namespace {

using platform::IDCANCEL;
using platform::IDOK;

TEST_F(QtWindows, DialogUnitsComeFromTheStandInFont) {
    // Liberation Sans at 8 points has the 6 x 13 base units of the template font.
    const auto units = platform::qt::MeasureBaseUnits(platform::qt::DialogFont("MS Sans Serif", 8));
    EXPECT_EQ(units.x, 6);
    EXPECT_EQ(units.y, 13);
    RunMainWindow([](TemplateWindow* window) {
        EXPECT_EQ(window->size(), QSize(408, 255));  // 272 x 157 dialog units
        EXPECT_EQ(window->windowTitle(), QStringLiteral("PI Network V1.0"));
        // The Calculate button at (100, 60), 75 x 14 dialog units.
        EXPECT_EQ(Control(window, res::IDC_CALCULATE)->geometry(), QRect(150, 98, 113, 23));
        window->EndModal(IDCANCEL);
    });
}

TEST_F(QtWindows, FreshWindowShowsDefaultsFocusAndNamesEveryEdit) {
    RunMainWindow([](TemplateWindow* window) {
        EXPECT_EQ(Text(window, res::IDC_ANTENNA_Z), "50");
        EXPECT_EQ(Text(window, res::IDC_Q0), "12");
        for (const int id : {res::IDC_PLATE_Z, res::IDC_FREQ, res::IDC_Q1, res::IDC_Q2, res::IDC_C1,
                             res::IDC_C2, res::IDC_L}) {
            EXPECT_EQ(Text(window, id), "") << id;
        }
        EXPECT_TRUE(qobject_cast<QRadioButton*>(Control(window, res::IDC_AIR_CAPS))->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), Control(window, res::IDC_PLATE_Z));

        const std::pair<int, const char*> names[] = {{res::IDC_PLATE_Z, "Plate Z (OHMS)"},
                                                     {res::IDC_ANTENNA_Z, "Antenna Z (OHMS)"},
                                                     {res::IDC_Q0, "Q0"},
                                                     {res::IDC_FREQ, "Freq. in MHZ"},
                                                     {res::IDC_Q1, "Q1"},
                                                     {res::IDC_Q2, "Q2"},
                                                     {res::IDC_C1, "C1 (pf)"},
                                                     {res::IDC_C2, "C2 (pf)"},
                                                     {res::IDC_L, "L (uH)"}};
        for (const auto& [id, name] : names) {
            EXPECT_EQ(Control(window, id)->accessibleName(), QString::fromUtf8(name)) << id;
        }
        window->EndModal(IDCANCEL);
    });
}

TEST_F(QtWindows, TabFollowsTheTemplateOrder) {
    RunMainWindow([](TemplateWindow* window) {
        const int order[] = {res::IDC_PLATE_Z,       res::IDC_ANTENNA_Z, res::IDC_Q0,
                             res::IDC_FREQ,          res::IDC_AIR_CAPS,  res::IDC_CALCULATE,
                             res::IDC_CALC_INDUCTOR, res::IDC_NOTICE};
        for (std::size_t i = 1; i < std::size(order); ++i) {
            ASSERT_NE(QApplication::focusWidget(), nullptr);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), Control(window, order[i])) << i;
        }
        window->EndModal(IDCANCEL);
    });
}

TEST_F(QtWindows, CalculateShowsTheDesignAndKeepsTheTypedInputs) {
    RunMainWindow([](TemplateWindow* window) {
        TypeDesign(window, "100", "20", "4", "1");
        Click(window, res::IDC_CALCULATE);
        EXPECT_EQ(Text(window, res::IDC_Q0), "4.000000");
        EXPECT_EQ(Text(window, res::IDC_Q1), "3.000000");
        EXPECT_EQ(Text(window, res::IDC_Q2), "1.000000");
        EXPECT_EQ(Text(window, res::IDC_C1), "4774.648374");
        EXPECT_EQ(Text(window, res::IDC_C2), "7957.747290");
        EXPECT_EQ(Text(window, res::IDC_L), "6.366198");
        EXPECT_EQ(Text(window, res::IDC_PLATE_Z), "100");

        // The vacuum button lowers the minimum for the next Calculate only.
        TypeDesign(window, "5000", "50", "12", "30");
        Click(window, res::IDC_VACUUM_CAPS);
        EXPECT_EQ(Text(window, res::IDC_C1), "4774.648374");
        Click(window, res::IDC_CALCULATE);
        EXPECT_EQ(Text(window, res::IDC_C1), "35.000000");
        EXPECT_EQ(Text(window, res::IDC_Q0), "36.131756");
        window->EndModal(IDCANCEL);
    });
}

TEST_F(QtWindows, Q0PromptAnsweredOkAndCancel) {
    RunMainWindow([this](TemplateWindow* window) {
        TypeDesign(window, "100", "20", "1", "1");

        SeenMessageBox cancelled;
        AnswerNextMessageBox(QMessageBox::Cancel, &cancelled);
        Click(window, res::IDC_CALCULATE);
        ASSERT_TRUE(cancelled.seen);
        EXPECT_EQ(cancelled.text, "Q0 Must be > 2.000000.  Continue with new value?");
        EXPECT_EQ(cancelled.caption, "Improper input");
        EXPECT_EQ(cancelled.icon, QMessageBox::Critical);
        EXPECT_EQ(cancelled.defaultButton, QMessageBox::Ok);
        EXPECT_EQ(Text(window, res::IDC_Q0), "1");
        EXPECT_EQ(Text(window, res::IDC_Q1), "");

        SeenMessageBox accepted;
        AnswerNextMessageBox(QMessageBox::Ok, &accepted);
        Click(window, res::IDC_CALCULATE);
        ASSERT_TRUE(accepted.seen);
        EXPECT_EQ(Text(window, res::IDC_Q0), "3.000000");
        EXPECT_EQ(Text(window, res::IDC_Q1), "2.403709");
        window->EndModal(IDCANCEL);
    });
}

TEST_F(QtWindows, KeyboardAndCloseBoxEndTheWindow) {
    // Enter in an edit gives the OK command, which ends the program's window.
    EXPECT_EQ(RunMainWindow([](TemplateWindow* window) {
                  QTest::keyClick(Control(window, res::IDC_PLATE_Z), Qt::Key_Return);
              }),
              IDOK);
    EXPECT_EQ(RunMainWindow([](TemplateWindow* window) {
                  QTest::keyClick(Control(window, res::IDC_Q0), Qt::Key_Escape);
              }),
              IDCANCEL);
    EXPECT_EQ(RunMainWindow([](TemplateWindow* window) { window->close(); }), IDCANCEL);

    // Enter on the focused Calculate button calculates and keeps the window.
    EXPECT_EQ(RunMainWindow([](TemplateWindow* window) {
                  TypeDesign(window, "100", "20", "4", "1");
                  Control(window, res::IDC_CALCULATE)->setFocus();
                  QTest::keyClick(Control(window, res::IDC_CALCULATE), Qt::Key_Return);
                  EXPECT_TRUE(window->isVisible());
                  EXPECT_EQ(Text(window, res::IDC_Q1), "3.000000");
                  window->close();
              }),
              IDCANCEL);
}

TEST_F(QtWindows, SystemMenuHoldsMoveCloseAndAbout) {
    RunMainWindow([this](TemplateWindow* window) {
        QMenu* menu = window->systemMenu();
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), 4);
        EXPECT_EQ(actions[0]->text(), QStringLiteral("&Move"));
        EXPECT_EQ(actions[1]->text(), QStringLiteral("&Close"));
        EXPECT_TRUE(actions[2]->isSeparator());
        EXPECT_EQ(actions[3]->text(), QStringLiteral("&About Tavilo..."));

        // A right click on the background opens it.
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                     window->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(window, &rightClick);
        EXPECT_TRUE(menu->isVisible());
        menu->hide();

        // About opens the About box over the window; Enter presses its OK.
        bool aboutShown = false;
        OnNextModal([&aboutShown](QWidget* modal) {
            aboutShown = modal->windowTitle() == QStringLiteral("About Tavilo");
            const QList<QLabel*> labels = modal->findChildren<QLabel*>();
            bool version = false;
            for (QLabel* label : labels)
                version |= label->text() == QStringLiteral("Tavilo Version 1.0");
            EXPECT_TRUE(version);
            QTest::keyClick(modal, Qt::Key_Return);
        });
        actions[3]->trigger();
        EXPECT_TRUE(aboutShown);
        EXPECT_TRUE(window->isVisible());

        // Close takes the default path and ends the window.
        actions[1]->trigger();
        EXPECT_FALSE(window->isVisible());
    });
}

TEST_F(QtWindows, AltSpaceOpensTheSystemMenuWhateverHasTheFocus) {
    // Alt+Space is the window's key, not the focused control's: a focused push
    // button or radio button must not take its Space as a press.
    RunMainWindow([](TemplateWindow* window) {
        for (const int id :
             {res::IDC_PLATE_Z, res::IDC_CALCULATE, res::IDC_VACUUM_CAPS, res::IDC_NOTICE}) {
            Control(window, id)->setFocus();
            QTest::keyClick(window->windowHandle(), Qt::Key_Space, Qt::AltModifier);
            ASSERT_EQ(QApplication::activePopupWidget(), window->systemMenu()) << id;
            QTest::keyClick(window->systemMenu()->windowHandle(), Qt::Key_Escape);
            EXPECT_FALSE(window->systemMenu()->isVisible()) << id;
        }
        // Nothing was pressed or typed: no results, no blank in the plate
        // impedance, and the air capacitors still chosen.
        EXPECT_EQ(Text(window, res::IDC_PLATE_Z), "");
        EXPECT_EQ(Text(window, res::IDC_Q1), "");
        EXPECT_TRUE(qobject_cast<QRadioButton*>(Control(window, res::IDC_AIR_CAPS))->isChecked());
        EXPECT_FALSE(
            qobject_cast<QRadioButton*>(Control(window, res::IDC_VACUUM_CAPS))->isChecked());
        window->close();
    });
}

TEST_F(QtWindows, AltSpaceDoesNotAnswerAMessageBox) {
    // The focus starts on the prompt's OK: Alt+Space must not press it and go
    // on with a raised Q0.
    RunMainWindow([this](TemplateWindow* window) {
        TypeDesign(window, "100", "20", "1", "1");
        bool stayedOpen = false;
        OnNextModal([&stayedOpen](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            QTest::keyClick(box->windowHandle(), Qt::Key_Space, Qt::AltModifier);
            stayedOpen = box->isVisible();
            if (stayedOpen) box->button(QMessageBox::Cancel)->click();
        });
        Click(window, res::IDC_CALCULATE);
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(Text(window, res::IDC_Q0), "1");
        EXPECT_EQ(Text(window, res::IDC_Q1), "");
        window->close();
    });
}

TEST_F(QtWindows, NoticeBoxShowsTheExclamationIcon) {
    RunMainWindow([this](TemplateWindow* window) {
        SeenMessageBox notice;
        AnswerNextMessageBox(QMessageBox::Ok, &notice);
        Click(window, res::IDC_NOTICE);
        ASSERT_TRUE(notice.seen);
        EXPECT_EQ(notice.caption, "Copyright Notice");
        EXPECT_EQ(notice.icon, QMessageBox::Warning);
        EXPECT_EQ(Text(window, res::IDC_ANTENNA_Z), "50");
        window->close();
    });
}

TEST_F(QtWindows, EditsKeepTextsOfAnyLength) {
    RunMainWindow([](TemplateWindow* window) {
        const QString megabyte(1 << 20, QLatin1Char('7'));
        Edit(window, res::IDC_PLATE_Z)->setText(megabyte);
        Edit(window, res::IDC_C1)->setText(megabyte + QLatin1Char('x'));
        auto& dialog =
            static_cast<ui::PiNetworkDialog&>(*platform::Application::Current()->MainWindow());
        dialog.ExchangeFields(platform::ExchangeDirection::ControlsToFields);
        EXPECT_EQ(dialog.form().plateZ.size(), std::size_t{1} << 20);
        EXPECT_EQ(dialog.form().c1.size(), (std::size_t{1} << 20) + 1);
        dialog.ExchangeFields(platform::ExchangeDirection::FieldsToControls);
        EXPECT_EQ(Edit(window, res::IDC_PLATE_Z)->text().size(), 1 << 20);

        // The whole "%f" text of a huge result: 1e-300 MHz makes C1 enormous.
        TypeDesign(window, "100", "20", "4", "1e-300");
        Click(window, res::IDC_CALCULATE);
        EXPECT_GT(Text(window, res::IDC_C1).size(), 300u);
        EXPECT_EQ(Text(window, res::IDC_C1).substr(Text(window, res::IDC_C1).size() - 7),
                  ".000000");
        window->close();
    });
}

}  // namespace
}  // namespace tavilo::testing
