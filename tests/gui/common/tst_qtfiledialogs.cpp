// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "gui/common/QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

// The real dialogs: where a new user finds the sample files.
class TestQtFileDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void openOffersTheSamplesFolder_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("samples installed") << true;
        QTest::newRow("no samples folder") << false;
    }
    void openOffersTheSamplesFolder()
    {
        QFETCH(bool, exists);
        QTemporaryDir samples;
        const QString folder = exists ? samples.path() : samples.filePath(QStringLiteral("gone"));
        QStringList places;
        QTimer::singleShot(0, this, [&places] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            for (const QUrl& place : dialog->sidebarUrls())
                places.append(place.toLocalFile());
            dialog->reject();
        });
        QtFileDialogs dialogs([folder] { return folder; });
        QCOMPARE(dialogs.openFileName(QStringLiteral("Open Database File"), QDir::homePath(),
                                      QStringLiteral("Draw files (*.lto)")),
                 QString());
        QCOMPARE(places.contains(QDir::cleanPath(folder)), exists);
    }
};

QTEST_MAIN(TestQtFileDialogs)
#include "tst_qtfiledialogs.moc"
