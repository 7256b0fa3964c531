#pragma once

#include <QString>
#include <array>

namespace flume {

// What a field of the flume window is for.
enum class FieldKind {
    Input,     // typed by the user; editable
    Result,    // written by a calculation; locked; shown or cleared
    Carried,   // locked copy of an earlier page's text, made when a page is opened
    FileName,  // the last chosen file names; never shown
    Converted  // a Case result again in N or N·cm, for the reports; never shown
};

// Every field of the flume window: member name, control name, kind.
// The 25 inputs stand first, in the order of the input file.
#define FLUME_FIELDS(X)                                  \
    X(t1, Text1, Input)                                  \
    X(t2, Text2, Input)                                  \
    X(t3, Text3, Input)                                  \
    X(t4, Text4, Input)                                  \
    X(wall_height, Text5, Input)                         \
    X(outer_water_height, Text6, Input)                  \
    X(inner_width, Text7, Input)                         \
    X(wall_inclination, Text8, Input)                    \
    X(repose_angle, Text9, Input)                        \
    X(soil_unit_weight, Text10, Input)                   \
    X(ground_slope, Text11, Input)                       \
    X(surcharge, Text12, Input)                          \
    X(wall_friction_angle, Text13, Input)                \
    X(water_unit_weight, Text18, Input)                  \
    X(flume_unit_weight, Text19, Input)                  \
    X(allowable_bearing, Text21, Input)                  \
    X(case1_depth, Text24, Input)                        \
    X(wall_top_to_slab_axis, Text25, Input)              \
    X(slab_axis_to_groundwater, Text26, Input)           \
    X(wet_soil_unit_weight, Text27, Input)               \
    X(submerged_soil_unit_weight, Text28, Input)         \
    X(back_friction_angle, Text29, Input)                \
    X(wall_spacing, Text34, Input)                       \
    X(slab_position, Text35, Input)                      \
    X(case2_depth, Text41, Input)                        \
    X(ka, Text14, Result)                                \
    X(pa, Text15, Result)                                \
    X(pav, Text16, Result)                               \
    X(pv, Text17, Result)                                \
    X(uplift_safety_factor, Text20, Result)              \
    X(max_bearing, Text22, Result)                       \
    X(case1_wall_shear, Text30, Result)                  \
    X(case1_wall_moment, Text31, Result)                 \
    X(slab_reaction, Text36, Result)                     \
    X(case1_slab_shear, Text37, Result)                  \
    X(case1_slab_moment, Text38, Result)                 \
    X(case2_wall_shear, Text42, Result)                  \
    X(case2_wall_moment, Text43, Result)                 \
    X(case2_slab_shear, Text44, Result)                  \
    X(case2_slab_moment, Text45, Result)                 \
    X(case3_wall_shear, Text46, Result)                  \
    X(case3_wall_moment, Text47, Result)                 \
    X(case3_slab_shear, Text48, Result)                  \
    X(case3_slab_moment, Text49, Result)                 \
    X(carried_1, Text23, Carried)                        \
    X(carried_2, Text39, Carried)                        \
    X(carried_3, Text32, Carried)                        \
    X(carried_4, Text33, Carried)                        \
    X(carried_5, Text40, Carried)                        \
    X(carried_6, Text50, Carried)                        \
    X(carried_7, Text51, Carried)                        \
    X(carried_8, Text52, Carried)                        \
    X(open_path, Text54, FileName)                       \
    X(save_path, Text55, FileName)                       \
    X(case1_wall_shear_n, Text57, Converted)             \
    X(case1_wall_moment_ncm, Text58, Converted)          \
    X(case1_slab_shear_n, Text59, Converted)             \
    X(case1_slab_moment_ncm, Text60, Converted)          \
    X(case2_wall_shear_n, Text61, Converted)             \
    X(case2_wall_moment_ncm, Text62, Converted)          \
    X(case2_slab_shear_n, Text63, Converted)             \
    X(case2_slab_moment_ncm, Text64, Converted)          \
    X(case3_wall_shear_n, Text65, Converted)             \
    X(case3_wall_moment_ncm, Text66, Converted)          \
    X(case3_slab_shear_n, Text67, Converted)             \
    X(case3_slab_moment_ncm, Text68, Converted)

enum class Field {
#define FLUME_FIELD_ENUM(member, control, kind) member,
    FLUME_FIELDS(FLUME_FIELD_ENUM)
#undef FLUME_FIELD_ENUM
};

struct FieldInfo {
    Field field;
    const char *member;   // role name, e.g. "wall_height"
    const char *control;  // window control, e.g. "Text5"
    FieldKind kind;
};

inline constexpr std::array field_table = {
#define FLUME_FIELD_INFO(member, control, kind) FieldInfo{Field::member, #member, #control, FieldKind::kind},
    FLUME_FIELDS(FLUME_FIELD_INFO)
#undef FLUME_FIELD_INFO
};

inline constexpr int field_count = int(field_table.size());
inline constexpr int input_count = 25;

constexpr const FieldInfo &info(Field f) { return field_table[std::size_t(f)]; }
constexpr FieldKind kind_of(Field f) { return info(f).kind; }
inline QString member_name(Field f) { return QString::fromLatin1(info(f).member); }
inline QString control_name(Field f) { return QString::fromLatin1(info(f).control); }

// The 25 inputs in the order of the input file (T1 first, h' last).
constexpr Field input_field(int index) { return field_table[std::size_t(index)].field; }

// A Case result and the hidden field that holds it again in N (a force, × 1000) or in N·cm (a moment,
// × 1000 × 100) for the reports. The hidden field follows its result: written right after it, and
// emptied with it.
struct ConvertedCompanion {
    Field result;
    Field converted;
    bool moment;
};

inline constexpr std::array converted_companions = {
    ConvertedCompanion{Field::case1_wall_shear, Field::case1_wall_shear_n, false},
    ConvertedCompanion{Field::case1_wall_moment, Field::case1_wall_moment_ncm, true},
    ConvertedCompanion{Field::case1_slab_shear, Field::case1_slab_shear_n, false},
    ConvertedCompanion{Field::case1_slab_moment, Field::case1_slab_moment_ncm, true},
    ConvertedCompanion{Field::case2_wall_shear, Field::case2_wall_shear_n, false},
    ConvertedCompanion{Field::case2_wall_moment, Field::case2_wall_moment_ncm, true},
    ConvertedCompanion{Field::case2_slab_shear, Field::case2_slab_shear_n, false},
    ConvertedCompanion{Field::case2_slab_moment, Field::case2_slab_moment_ncm, true},
    ConvertedCompanion{Field::case3_wall_shear, Field::case3_wall_shear_n, false},
    ConvertedCompanion{Field::case3_wall_moment, Field::case3_wall_moment_ncm, true},
    ConvertedCompanion{Field::case3_slab_shear, Field::case3_slab_shear_n, false},
    ConvertedCompanion{Field::case3_slab_moment, Field::case3_slab_moment_ncm, true},
};

// The companion of a Case result, or nullptr for a result that has none.
constexpr const ConvertedCompanion *converted_companion(Field result)
{
    for (const ConvertedCompanion &c : converted_companions) {
        if (c.result == result)
            return &c;
    }
    return nullptr;
}

// The pages of the flume check, in the order of the chain; the calculation pages are numbered
// 1..5 as their buttons. The member check after them is a report page of its own: no page button,
// no calculation of the chain; it checks the Cases' members as reinforced concrete sections.
// This is the one list of the pages: every layer that has something per page (reports, page
// buttons and print entries, the book's chapters) keys a table of its own by it, one row per page
// in this order, checked with keyed_by_page at compile time.
enum class Page { ShapeInput = 0, EarthPressure = 1, UpliftBearing = 2, Case1 = 3, Case2 = 4, Case3 = 5, MemberCheck = 6 };
inline constexpr std::size_t page_count = std::size_t(Page::MemberCheck) + 1;
inline constexpr std::array calculation_pages = {Page::EarthPressure, Page::UpliftBearing, Page::Case1,
                                                 Page::Case2, Page::Case3};

// Whether a table has one row per page, in the order of the pages (each row's first member `page`).
template <typename Row, std::size_t N>
constexpr bool keyed_by_page(const Row (&rows)[N])
{
    if (N != page_count)
        return false;
    for (std::size_t i = 0; i < N; ++i) {
        if (rows[i].page != Page(i))
            return false;
    }
    return true;
}

// The result whose text decides whether a calculation page's report can be printed.
constexpr Field last_result(Page p)
{
    switch (p) {
    case Page::EarthPressure: return Field::pv;
    case Page::UpliftBearing: return Field::max_bearing;
    case Page::Case1: return Field::case1_slab_moment;
    case Page::Case2: return Field::case2_slab_moment;
    case Page::Case3: return Field::case3_slab_moment;
    case Page::ShapeInput:
    case Page::MemberCheck: break;
    }
    return Field::pv;
}

} // namespace flume
