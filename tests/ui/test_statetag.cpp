// The floor names dialog: controls per floor, OK, Abbrechen, Escape, Enter, the close box.
#include "cp1252.h"
#include "statetag.h"
#include "store.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// The designations as UTF-8 texts, for comparing whole tables.
QStringList Names(const StatisticsStore& s) {
    QStringList names;
    for (const auto& n : s.FloorNames)
        names << QString::fromStdString(Cp1252ToUtf8(n.view()));
    return names;
}

QString Name(const StatisticsStore& s, int k) {
    return QString::fromStdString(Cp1252ToUtf8(s.FloorNames[k].view()));
}

// Expected left of edit box and label and top for floor i (from 1).
struct Expected {
    int editLeft, labelLeft, top;
};
Expected ExpectedPlace(int i) {
    if (i <= 15)
        return {100, 30, 20 * i + 30};
    if (i <= 30)
        return {250, 180, 20 * (i - 15) + 30};
    return {350, 280, 20 * (i - 30) + 30};
}

} // namespace

class TestStatetag : public QObject {
    Q_OBJECT

    StatisticsStore store;
    std::unique_ptr<TEtageDlg> dlg;

    QLineEdit* Edit(int i) const {
        return dlg->findChild<QLineEdit*>(QStringLiteral("EtEdit%1").arg(i));
    }
    QLabel* Label(int i) const {
        return dlg->findChild<QLabel*>(QStringLiteral("EtLabel%1").arg(i));
    }

    void ShowWith(int floors) {
        store.FloorCount = static_cast<std::uint8_t>(floors);
        dlg->show();
        QVERIFY(dlg->isVisible());
    }

private slots:
    void init() {
        store = StatisticsStore();
        dlg = std::make_unique<TEtageDlg>(store);
    }
    void cleanup() { dlg.reset(); }

    void fixedButtonsAndLook() {
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Etagenbezeichnungen"));
        QVERIFY(!dlg->isModal());
        QVERIFY(dlg->windowState() & Qt::WindowMaximized);
        QCOMPARE(dlg->OKBtn->text(), QStringLiteral("OK"));
        QCOMPARE(dlg->OKBtn->geometry(), QRect(440, 344, 77, 27));
        QVERIFY(dlg->OKBtn->isDefault());
        QCOMPARE(dlg->CancelBtn->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(dlg->CancelBtn->geometry(), QRect(344, 344, 93, 27));
        QVERIFY(dlg->font().bold());
        QVERIFY(!dlg->OKBtn->font().bold());
        ShowWith(3);
        QCOMPARE(QApplication::focusWidget() == dlg->OKBtn || dlg->focusWidget() == dlg->OKBtn,
                 true);
    }

    void controlsPerFloor_data() {
        QTest::addColumn<int>("floors");
        QTest::newRow("none") << 0;
        QTest::newRow("3 floors") << 3;
        QTest::newRow("15: first column only") << 15;
        QTest::newRow("16: second column opens") << 16;
        QTest::newRow("31: third column opens") << 31;
        QTest::newRow("40: the most a file has") << 40;
    }
    void controlsPerFloor() {
        QFETCH(int, floors);
        for (int k = 0; k < floors; ++k)
            store.FloorNames[k] = "N" + std::to_string(k);
        ShowWith(floors);
        QCOMPARE(dlg->BuiltCount(), floors);
        QCOMPARE(dlg->findChildren<QLineEdit*>().size(), floors);
        QCOMPARE(dlg->findChildren<QLabel*>().size(), floors);
        for (int i = 1; i <= floors; ++i) {
            const Expected e = ExpectedPlace(i);
            QLineEdit* edit = Edit(i);
            QLabel* label = Label(i);
            QVERIFY2(edit && label, qPrintable(QString::number(i)));
            QCOMPARE(edit->pos(), QPoint(e.editLeft, e.top));
            QCOMPARE(edit->width(), 35);
            QVERIFY(edit->height() >= 15 && edit->height() <= 20); // never into the next row
            QCOMPARE(label->pos(), QPoint(e.labelLeft, e.top));
            QVERIFY(label->width() >= 30);
            QCOMPARE(edit->text(), QStringLiteral("N%1").arg(i - 1));
            QCOMPARE(label->text(), QStringLiteral("Etage%1").arg(i - 1));
            QVERIFY(!edit->font().bold());
            QCOMPARE(edit->font().family(), QStringLiteral("Arial"));
            QVERIFY(edit->isVisible());
            QCOMPARE(dlg->FloorEdits[i - 1], edit);
            QCOMPARE(dlg->FloorLabels[i - 1], label);
        }
        QVERIFY(!Edit(floors + 1));
        // Closing frees them, whatever the count.
        dlg->OKBtn->click();
        QVERIFY(!dlg->isVisible());
        QCOMPARE(dlg->findChildren<QLineEdit*>().size(), 0);
        QCOMPARE(dlg->findChildren<QLabel*>().size(), 0);
        QCOMPARE(dlg->BuiltCount(), 0);
    }

    void defaultsForThreeFloors() {
        ShowWith(3);
        QCOMPARE(Edit(1)->text(), QStringLiteral("KG"));
        QCOMPARE(Edit(2)->text(), QStringLiteral("EG"));
        QCOMPARE(Edit(3)->text(), QStringLiteral("1"));
        QCOMPARE(Label(1)->text(), QStringLiteral("Etage0"));
        QCOMPARE(Label(3)->text(), QStringLiteral("Etage2"));
    }

    void okStoresTextsCutToTen_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("11 characters") << "ABCDEFGHIJK"
                                       << "ABCDEFGHIJ";
        QTest::newRow("exactly 10") << "Tiefgarage"
                                    << "Tiefgarage";
        QTest::newRow("umlauts count one each") << "Außenbereich"
                                                << "Außenberei";
        QTest::newRow("emptied box") << ""
                                     << "";
        QTest::newRow("outside Windows-1252") << "Etage→7"
                                              << "Etage?7";
    }
    void okStoresTextsCutToTen() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        ShowWith(3);
        Edit(2)->setText(typed);
        QTest::mouseClick(dlg->OKBtn, Qt::LeftButton);
        QVERIFY(!dlg->isVisible());
        QCOMPARE(Name(store, 1), stored);
        QVERIFY(store.FloorNames[1].size() <= 10);
        QCOMPARE(Name(store, 0), QStringLiteral("KG"));
        QCOMPARE(Name(store, 2), QStringLiteral("1"));
        // Offered again next time.
        dlg->show();
        QCOMPARE(Edit(2)->text(), stored);
    }

    void closingWithoutOkChangesNothing_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Abbrechen") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
        QTest::newRow("Escape in an edit box") << 3;
    }
    void closingWithoutOkChangesNothing() {
        QFETCH(int, how);
        const QStringList before = Names(store);
        ShowWith(16);
        for (int i = 1; i <= 16; ++i)
            Edit(i)->setText(QStringLiteral("X%1").arg(i));
        switch (how) {
        case 0:
            QTest::mouseClick(dlg->CancelBtn, Qt::LeftButton);
            break;
        case 1:
            QTest::keyClick(dlg.get(), Qt::Key_Escape);
            break;
        case 2:
            dlg->close();
            break;
        default:
            QTest::keyClick(Edit(5), Qt::Key_Escape);
        }
        QVERIFY(!dlg->isVisible());
        QCOMPARE(Names(store), before);
        QCOMPARE(dlg->findChildren<QLineEdit*>().size(), 0);
        QCOMPARE(dlg->BuiltCount(), 0);
    }

    void enterActsAsOk_data() {
        QTest::addColumn<bool>("inEditBox");
        QTest::newRow("on the dialog") << false;
        QTest::newRow("in an edit box") << true;
    }
    void enterActsAsOk() {
        QFETCH(bool, inEditBox);
        ShowWith(3);
        Edit(1)->setText(QStringLiteral("UG"));
        if (inEditBox)
            QTest::keyClick(Edit(3), Qt::Key_Return);
        else
            QTest::keyClick(dlg.get(), Qt::Key_Enter);
        QVERIFY(!dlg->isVisible());
        QCOMPARE(Name(store, 0), QStringLiteral("UG"));
        QCOMPARE(dlg->findChildren<QLineEdit*>().size(), 0);
    }

    void zeroFloorsOkChangesNothing() {
        const QStringList before = Names(store);
        ShowWith(0);
        QCOMPARE(dlg->findChildren<QLineEdit*>().size(), 0);
        QTest::mouseClick(dlg->OKBtn, Qt::LeftButton);
        QCOMPARE(Names(store), before);
    }

    void okGoesByTheFloorsItWasBuiltFor() {
        // The store's count may change while the dialog is open; OK and closing must use the
        // controls that exist and no others.
        ShowWith(3);
        Edit(3)->setText(QStringLiteral("OG"));
        store.FloorCount = 40;
        QTest::mouseClick(dlg->OKBtn, Qt::LeftButton);
        QCOMPARE(Name(store, 2), QStringLiteral("OG"));
        QCOMPARE(Name(store, 3), QStringLiteral("2")); // untouched default
        store.FloorCount = 3;
        dlg->show();
        store.FloorCount = 0;
        dlg->close();
        QCOMPARE(dlg->findChildren<QLineEdit*>().size(), 0);
    }

    void showingAnOpenDialogAgainKeepsItsEdits() {
        ShowWith(3);
        Edit(1)->setText(QStringLiteral("typed"));
        dlg->show();
        QCOMPARE(Edit(1)->text(), QStringLiteral("typed"));
        QCOMPARE(dlg->findChildren<QLineEdit*>().size(), 3);
    }
};

QTEST_MAIN(TestStatetag)
#include "test_statetag.moc"
