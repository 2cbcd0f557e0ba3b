#pragma once

#include "drill/DrillRandom.h"

#include <array>
#include <cstdint>

/// The parameters of one drill question: indices 0 to 9 hold random draws, 10 to 19 values derived
/// from them; what each index means depends on the topic.
using DrillParams = std::array<std::int16_t, 20>;

/// Drill topics: the menu command number of the lesson that opens the drill.
namespace DrillTopic {
constexpr std::int16_t Proportion = 2768;        ///< グラフの意味
constexpr std::int16_t LinearGraph = 2769;       ///< 一次関数１
constexpr std::int16_t Parabola = 2770;          ///< 二次関数
constexpr std::int16_t TrigValues = 2771;        ///< 三角関数 グラフ
constexpr std::int16_t ExponentLaws = 2775;      ///< 指数法則
constexpr std::int16_t InverseFunction = 2776;   ///< 対数関数
constexpr std::int16_t Inequality = 2777;        ///< 不等式の領域
constexpr std::int16_t EquationGraph = 2780;     ///< 方程式とｸﾞﾗﾌ
constexpr std::int16_t FractionalShift = 2782;   ///< 分数関数
constexpr std::int16_t TrigDefinition = 2785;    ///< 三角関数 定義
constexpr std::int16_t Logarithm = 2786;         ///< 対数の性質
constexpr std::int16_t SequenceSum = 2787;       ///< 数列の和
constexpr std::int16_t Composition = 2788;       ///< 合成公式
constexpr std::int16_t MatrixBasics = 2792;      ///< 行列の基礎
constexpr std::int16_t Simultaneous = 2793;      ///< 連立方程式
constexpr std::int16_t SetCorrespondence = 2800; ///< 集合間の対応
} // namespace DrillTopic

/// Every drill topic, in the order of the lesson menu.
constexpr std::array<std::int16_t, 16> kDrillTopics = {
    DrillTopic::Proportion,        DrillTopic::LinearGraph,   DrillTopic::Parabola,
    DrillTopic::TrigValues,        DrillTopic::ExponentLaws,  DrillTopic::InverseFunction,
    DrillTopic::Inequality,        DrillTopic::EquationGraph, DrillTopic::FractionalShift,
    DrillTopic::TrigDefinition,    DrillTopic::Logarithm,     DrillTopic::SequenceSum,
    DrillTopic::Composition,       DrillTopic::MatrixBasics,  DrillTopic::Simultaneous,
    DrillTopic::SetCorrespondence,
};

/// Rows of the composition table from which topic 2788 picks its question.
constexpr int kCompositionRows = 15;

/// Draws the parameters of `topic` from `random`, in the fixed order of the topic's draws, and
/// fills in the values derived from them. Topics 2768 and 2780 first replace `variant` by a draw of
/// 0 or 1. Returns false, drawing nothing, for a topic that has no drill.
bool drawDrillParameters(std::int16_t topic, std::int16_t &variant, DrillParams &p,
                         DrillRandom &random);
