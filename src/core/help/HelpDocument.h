// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QList>
#include <QString>

#include <optional>

// The program's help document, shipped inside the program, and its sections.
namespace HelpDocument {

constexpr auto ResourcePath = ":/help/numerion-help.html";

struct Section {
    QString anchor;
    QString title;

    bool operator==(const Section&) const = default;
};

// The document's HTML, or nothing when it cannot be read.
std::optional<QString> Load(const QString& path = QString::fromLatin1(ResourcePath));

// The sections in order: every second-level heading that carries an id.
QList<Section> Sections(const QString& html);

// The section about a window, by the window's object name; the main menu's for any other.
QString AnchorForWindow(const QString& windowName);

} // namespace HelpDocument
