// The error box: its text rule, its look, and that exceptions of handlers end up in it.
#include "errorbox.h"
#include "errorrecorder.h"
#include "errors.h"
#include "gsapplication.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <stdexcept>

using Recorder = ErrorRecorder;

class TestErrorBox : public QObject {
    Q_OBJECT

private slots:
    void textRule_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain text gets a full stop") << "Datei nicht gefunden"
                                                     << "Datei nicht gefunden.";
        QTest::newRow("already a full stop") << "Fertig."
                                             << "Fertig.";
        QTest::newRow("question mark is above '.'") << "Wirklich?"
                                                    << "Wirklich?.";
        QTest::newRow("exclamation mark is below '.'") << "Achtung!"
                                                       << "Achtung!";
        QTest::newRow("closing quote is below '.'") << "'x' fehlt'"
                                                    << "'x' fehlt'";
        QTest::newRow("digit is above '.'") << "I/O-Fehler 1013"
                                            << "I/O-Fehler 1013.";
        QTest::newRow("blank is below '.'") << "Text "
                                            << "Text ";
        QTest::newRow("umlaut is above '.'") << "Größe"
                                             << "Größe.";
        QTest::newRow("empty stays empty") << ""
                                           << "";
    }
    void textRule() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ErrorBoxText(message), shown);
    }

    void handlerExceptionsGoIntoTheBox_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("shown");
        QTest::newRow("input/output") << 0 << "Datei nicht gefunden.";
        QTest::newRow("conversion") << 1 << "'1x' ist kein gültiger Integerwert.";
        QTest::newRow("runtime error") << 2 << "Es ist kein Drucker installiert.";
        QTest::newRow("not a std::exception") << 3 << "Unbekannter Fehler.";
    }
    void handlerExceptionsGoIntoTheBox() {
        QFETCH(int, kind);
        QFETCH(QString, shown);
        Recorder recorder;
        bool after = false;
        const bool ok = RunHandler([&] {
            switch (kind) {
            case 0:
                throw IoError(2);
            case 1:
                throw ConversionError("1x");
            case 2:
                throw std::runtime_error("Es ist kein Drucker installiert");
            default:
                throw 42;
            }
            after = true;
        });
        QVERIFY(!ok);
        QVERIFY(!after);
        QCOMPARE(recorder.texts, QStringList{shown});
    }

    void handlerWithoutExceptionShowsNothing() {
        Recorder recorder;
        int runs = 0;
        QVERIFY(RunHandler([&] { ++runs; }));
        QCOMPARE(runs, 1);
        QVERIFY(recorder.texts.isEmpty());
    }

    void guardedButtonGoesOn() {
        Recorder recorder;
        QPushButton button;
        int clicks = 0;
        QObject::connect(&button, &QPushButton::clicked, &button, Guarded(&button, [&] {
            ++clicks;
            throw std::runtime_error("Fehler");
        }));
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        QCOMPARE(recorder.texts, (QStringList{"Fehler.", "Fehler."}));
    }

    void applicationCatchesWhatHandlersLetThrough() {
        // A slot connected without Guarded: the application's net shows it, and the message
        // loop goes on to the next event.
        Recorder recorder;
        QObject sender;
        QTimer timer;
        timer.setSingleShot(true);
        int runs = 0;
        QObject::connect(&timer, &QTimer::timeout, &sender, [&] {
            ++runs;
            throw std::runtime_error("Drucker nicht bereit");
        });
        timer.start(0);
        QTRY_COMPARE(runs, 1);
        QCOMPARE(recorder.texts, QStringList{"Drucker nicht bereit."});
        bool later = false;
        QTimer::singleShot(0, &sender, [&] { later = true; });
        QTRY_VERIFY(later);
    }

    void theBoxItself() {
        // The real box: error icon, one OK button, the application's title, the text.
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            box->accept();
        });
        ShowErrorBox(QStringLiteral("Datei nicht gefunden"));
        QCOMPARE(title, QStringLiteral("QVL Gruppenstatistik"));
        QCOMPARE(text, QStringLiteral("Datei nicht gefunden."));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
};

int main(int argc, char** argv) {
    GsApplication app(argc, argv);
    TestErrorBox test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_errorbox.moc"
