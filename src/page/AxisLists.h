#pragma once

#include "graphics/clsGRAFIK.h"

// Figures that share an axis with another copy its candidate lists, title and format.
namespace AxisLists {

inline void copyX(clsGRAFIK& to, const clsGRAFIK& from)
{
    to.ELXMIN = from.ELXMIN;
    to.ELXDIFF = from.ELXDIFF;
    to.ELXIT = from.ELXIT;
    to.ELXGIT(from.ELXGIT());
    to.ELXZL = from.ELXZL;
    to.ETEXTX = from.ETEXTX;
    to.ESKZX = from.ESKZX;
}

inline void copyY(clsGRAFIK& to, const clsGRAFIK& from)
{
    to.ELYMIN = from.ELYMIN;
    to.ELYDIFF = from.ELYDIFF;
    to.ELYIT = from.ELYIT;
    to.ELYGIT(from.ELYGIT());
    to.ELYZL = from.ELYZL;
    to.ESKZY = from.ESKZY;
}

}  // namespace AxisLists
