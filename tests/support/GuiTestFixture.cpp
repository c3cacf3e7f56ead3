// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "GuiTestFixture.h"

#include "gui/common/ToolWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QtTest>

#include <memory>

void GuiTestFixture::startAfresh()
{
    // The store tells its views of changes, so the state is rebuilt in place, never copied.
    std::destroy_at(&state);
    std::construct_at(&state);
    state.ProgramDirectory = programDir.path();
}

GuiTestFixture::GuiTestFixture()
{
    state.ProgramDirectory = programDir.path();
    m_modalWatch.setInterval(20);
    QObject::connect(&m_modalWatch, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (!m_dialogAnswers.isEmpty() && m_dialogAnswers.first().first == modal->objectName()) {
            // Until the dialog is the active window, moving the focus inside it sends no
            // focus events, and the handler's Tab would leave no box. Under load activation can
            // take a while; a dialog that never becomes active is handed over all the same.
            if (!modal->isActiveWindow() && ++m_inactiveTicks < maxInactiveTicks)
                return;
            m_inactiveTicks = 0;
            m_dialogAnswers.takeFirst().second(modal);
            return;
        }
        unexpectedDialogs.append(modal->windowTitle());
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    m_modalWatch.start();
}

GuiTestFixture::~GuiTestFixture()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
}

void GuiTestFixture::answerDialog(const QString& name, std::function<void(QWidget*)> handler)
{
    m_dialogAnswers.append({name, std::move(handler)});
}

void GuiTestFixture::verifyNothingUnexpected() const
{
    QCOMPARE(unexpectedDialogs, QStringList());
    QCOMPARE(messages.unexpectedQuestions, 0);
}

void typeText(QWidget* widget, const QString& text)
{
    for (char32_t c : text.toUcs4()) {
        if (c < 128) {
            QTest::keyClick(widget, char(c));
            continue;
        }
        // QTest only knows ASCII keys; other characters (a surrogate pair for one beyond the
        // basic plane) come whole as the text of an unnamed key.
        const QString typed = QString::fromUcs4(&c, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, typed);
        QApplication::sendEvent(widget, &release);
    }
}

void pasteInto(QWidget* widget, const QString& text, const QString& way)
{
    if (way == QLatin1String("drop")) {
        QMimeData data;
        data.setText(text);
        const QPoint at = widget->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &drop);
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    if (way == QLatin1String("Ctrl+V"))
        QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
    else
        QTest::keyClick(widget, Qt::Key_Insert, Qt::ShiftModifier);
}

void typeIntoBox(QWidget* root, const char* name, const QString& text)
{
    auto* box = control<QLineEdit>(root, name);
    QTest::mouseClick(box, Qt::LeftButton);
    typeText(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

QString GuiTestFixture::programPath(const QString& fileName) const
{
    return QDir(programDir.path()).filePath(fileName);
}

void GuiTestFixture::writeProgramFile(const QString& fileName, const QByteArray& bytes) const
{
    QFile file(programPath(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(fileName));
}

void closeToolWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && qobject_cast<ToolWindow*>(window))
            window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
