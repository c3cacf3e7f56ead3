// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "FakeFileDialogs.h"
#include "FakePrinterPort.h"
#include "RecordingMessageBoxes.h"
#include "ScriptedRandomSource.h"
#include "TestDraws.h"
#include "TestToday.h"

#include "core/app/SharedState.h"
#include "gui/common/FileFlow.h"
#include "gui/common/Services.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include <QAbstractItemView>
#include <QApplication>
#include <QWidget>

// What every GUI test starts from: its own program directory, shared state and fake services.
// A real modal dialog that shows up anyway is closed at once and reported, so a test fails
// instead of hanging.
class GuiTestFixture {
public:
    GuiTestFixture();
    ~GuiTestFixture();

    // The next modal dialog of that name is handed to `handler` (which must close it) instead of
    // being reported as unexpected, once it is the active window.
    void answerDialog(const QString& name, std::function<void(QWidget*)> handler);

    // Fails the running test when a real modal dialog showed up or a question had no answer.
    void verifyNothingUnexpected() const;

    // The state a new start of the program has: nothing but the program directory.
    void startAfresh();

    QString programPath(const QString& fileName) const;
    void writeProgramFile(const QString& fileName, const QByteArray& bytes) const;

    QTemporaryDir programDir;
    SharedState state;
    RecordingMessageBoxes messages;
    FakePrinterPort printer;
    FakeFileDialogs fileDialogs;
    ScriptedRandomSource random;
    FileFlow files {state, fileDialogs, messages};
    Services services {messages, printer, fileDialogs, random, files};
    QStringList unexpectedDialogs;

private:
    static constexpr int maxInactiveTicks = 250; // of 20 ms
    QTimer m_modalWatch;
    int m_inactiveTicks = 0;
    QList<std::pair<QString, std::function<void(QWidget*)>>> m_dialogAnswers;
};

// Closes every tool window a test left open and lets them go, as the program's end does.
void closeToolWindows();

// The visible top-level window of that name, or null.
template <typename T> T* topLevel(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->objectName() == QLatin1String(name))
            return qobject_cast<T*>(window);
    return nullptr;
}

// Types `text` key by key into `widget`, any characters, as a keyboard would.
void typeText(QWidget* widget, const QString& text);

// Puts `text` into `widget` the way `way` names: "Ctrl+V" or "Shift+Insert" from the clipboard,
// or "drop" as dragged text let go over it.
void pasteInto(QWidget* widget, const QString& text, const QString& way);

// Clicks into a named box, types `text` and leaves the box with Tab, as a user would.
void typeIntoBox(QWidget* root, const char* name, const QString& text);

// The text a grid shows in a cell, whether it holds items or views a model.
inline QString cellText(const QAbstractItemView* grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

// Finds a named control below `root`, failing loudly when it is missing.
template <typename T> T* control(QWidget* root, const char* name)
{
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("control %s not found", name);
    return found;
}
