#pragma once

/// The coefficients of the graph a function lesson drew before its last start, in single
/// precision, so that the lesson can draw that graph again thin and black for comparison.
struct PreviousGraph
{
    float m_prevA = 0.0f;
    float m_prevB = 0.0f;
    float m_prevC = 0.0f;

    /// Called at the beginning of each start, before the new coefficients are read.
    void remember(double a, double b, double c = 0.0)
    {
        m_prevA = static_cast<float>(a);
        m_prevB = static_cast<float>(b);
        m_prevC = static_cast<float>(c);
    }
};
