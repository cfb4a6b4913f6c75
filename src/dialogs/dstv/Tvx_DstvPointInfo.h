// Tvx_DstvPointInfo.h - one DSTV point: a named point on plates with the rules by which it is
// found on a plate (by the plate's geometry extent or by an intersection), the view and mark it
// is written for, and whether and how large a hole is drilled at it.
#pragma once

#include <cstdint>

#include "core/Tvx_String.h"

// Plate sides, in the order the side combos list them.
enum OvDstvPointSideSelection : int {
    kDstvSideLeft = 0,
    kDstvSideTop = 1,
    kDstvSideRight = 2,
    kDstvSideBottom = 3,
};
inline constexpr int kDstvSideCount = 4;
inline constexpr int kDstvViewCount = 4;  // front, top, rear, bottom
inline constexpr int kDstvMarkCount = 3;  // none, centre mark, punch mark

class Tvx_DstvPointInfo {
  public:
    Tvx_DstvPointInfo() = default;
    explicit Tvx_DstvPointInfo(const Tvx_String& name) : m_name(name) {}
    Tvx_DstvPointInfo(const Tvx_DstvPointInfo&) = default;
    Tvx_DstvPointInfo& operator=(const Tvx_DstvPointInfo&) = default;
    virtual ~Tvx_DstvPointInfo() = default;

    bool operator==(const Tvx_DstvPointInfo&) const = default;

    const Tvx_String& name() const { return m_name; }
    void setName(const Tvx_String& name) { m_name = name; }

    bool selectGeomExtent() const { return m_geomExtent; }
    OvDstvPointSideSelection sideSelection1() const { return m_side1; }
    OvDstvPointSideSelection sideSelection2() const { return m_side2; }
    void setSelectGeomExtent(bool on, OvDstvPointSideSelection side1,
                             OvDstvPointSideSelection side2) {
        m_geomExtent = on;
        m_side1 = side1;
        m_side2 = side2;
    }

    bool selectIntersGeom() const { return m_inters; }
    bool selectIntersMid() const { return m_intersMid; }
    OvDstvPointSideSelection intersStartDir() const { return m_intersStart; }
    void setSelectIntersGeom(bool on, bool middle, OvDstvPointSideSelection startDirection) {
        m_inters = on;
        m_intersMid = middle;
        m_intersStart = startDirection;
    }

    std::int16_t viewPlateSelection() const { return m_view; }
    std::int16_t markPlateSelection() const { return m_mark; }
    double minPlateSideDist() const { return m_minDist; }
    void setPlateSelection(std::int16_t view, std::int16_t mark, double minDistance) {
        m_view = view;
        m_mark = mark;
        m_minDist = minDistance;
    }

    bool drillFullHole() const { return m_fullHole; }
    bool radiusThicknessBased() const { return m_thicknessBased; }
    double drillRadius() const { return m_radius; }
    void setDrillFullHole(bool full, bool thicknessBased, double holeValue) {
        m_fullHole = full;
        m_thicknessBased = thicknessBased;
        m_radius = holeValue;
    }

  private:
    // The defaults of a new point.
    Tvx_String m_name;
    bool m_geomExtent = true;
    OvDstvPointSideSelection m_side1 = kDstvSideLeft;
    OvDstvPointSideSelection m_side2 = kDstvSideRight;
    bool m_inters = false;
    bool m_intersMid = true;
    OvDstvPointSideSelection m_intersStart = kDstvSideLeft;
    std::int16_t m_view = 0;
    std::int16_t m_mark = 0;
    double m_minDist = 50;
    bool m_fullHole = false;
    bool m_thicknessBased = false;
    double m_radius = 16;
};
