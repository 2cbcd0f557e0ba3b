#pragma once

#include "lessons/functions/CorrespondencePoints.h"

#include <memory>

class CCorespond;
class QWidget;

/// The correspondence table of a function lesson: the value pairs the lesson computes while it
/// paints its graph, and the table window they go to when the table button is pressed.
///
/// The window is created hidden with the lesson and deleted with it. The lesson's table handler is
///     if (CCorespond *window = m_table.handOver()) showOwnedWindow(*window);
class CorrespondenceTable
{
public:
    /// Creates the (hidden) table window, owned by `lessonWindow`.
    explicit CorrespondenceTable(QWidget *lessonWindow);
    ~CorrespondenceTable();
    CorrespondenceTable(const CorrespondenceTable &) = delete;
    CorrespondenceTable &operator=(const CorrespondenceTable &) = delete;

    CorrespondencePoints &points() { return m_points; }
    const CorrespondencePoints &points() const { return m_points; }
    CCorespond &window() { return *m_tableWindow; }

    /// Gives the current pairs to the table window. An open window is repainted in place and
    /// nullptr is returned; otherwise the window starts over as newly created, is placed at its
    /// screen position and returned for the lesson to show.
    CCorespond *handOver();

private:
    CorrespondencePoints m_points;
    std::unique_ptr<CCorespond> m_tableWindow;
};
