#pragma once

#include <QString>

#include <optional>

namespace common {
class MessageSink;
}

namespace flume {

class FlumeSheet;

// The "計算" buttons of the flume window. Each reads its inputs (numeric reading), validates them,
// computes in double precision, writes its results as formatted text, clears the results that
// depend on it and sets the page buttons. Rejected input is reported through the sink.

// Page 1: Coulomb active earth pressure KA, PA, PAV, PV.
void compute_earth_pressure(FlumeSheet &sheet, common::MessageSink &messages);
// The safety factor against uplift must exceed this (the limit itself fails).
inline constexpr double required_uplift_safety = 1.2;

// Page 2: safety factor against uplift Fs.
void check_uplift(FlumeSheet &sheet, common::MessageSink &messages);
// Page 2: maximum ground reaction qmax against the allowable bearing capacity qa.
void check_bearing(FlumeSheet &sheet, common::MessageSink &messages);

// A check of the whole section as its "計算" decides it: the value before rounding against its
// limit. The comparison shows the value with the decimals of its field, or with more where those
// would show a pass as a failure or the other way round ("1.201 ＞ 1.2", "18.94 ＞ 18.9").
struct LimitCheck {
    bool passed = false;
    QString comparison;  // "2.02 ＞ 1.2", "18.9 ≦ 100"
    QString value;       // the value as the comparison shows it: "2.02", "18.94"
};
// The uplift and bearing checks as the two buttons of page 2 decide them with the page open (PV in
// its slot); none where the button gets to no value (an input missing, no outer water, a fault).
std::optional<LimitCheck> uplift_check(const FlumeSheet &sheet);
std::optional<LimitCheck> bearing_check(const FlumeSheet &sheet);
// Case 1 a: side-wall shear Sso and moment Mso under earth pressure, surcharge and groundwater.
void compute_case1_wall(FlumeSheet &sheet, common::MessageSink &messages);
// Case 1 b: slab reaction WR, bottom-slab shear Sto and moment Mto.
void compute_case1_slab(FlumeSheet &sheet, common::MessageSink &messages);
// Case 2: wall and slab forces under the water filling the flume.
void compute_case2(FlumeSheet &sheet, common::MessageSink &messages);
// Case 3: water pressure less active earth pressure on the wall, then the slab.
void compute_case3(FlumeSheet &sheet, common::MessageSink &messages);

} // namespace flume
