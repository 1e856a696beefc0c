#include <gtest/gtest.h>

#include "tables/tables.h"
#include "tests/tables/table_checks.h"

namespace {

using namespace tabrix_test;

const engine::UnitTable& Volume() { return tables::VolumeTable(); }

TEST(VolumeTable, ShowsEveryUnitFromTheSourceRowFactors)
{
    ExpectCells(Volume(), {
                              {9, "1", kEcho, "l"},
                              {9, "1", 1, "1000"},
                              {9, "1", 2, "0.001"},
                              {9, "1", 9, "1"},
                              {9, "1", 12, "0.2641720373"},
                              {12, "1", kEcho, "gal"},
                              {12, "1", 11, "128.0021695443"},
                              // 8 x 8.000133905784
                              {10, "8", kEcho, "cup"},
                              {10, "8", 11, "64.001071246272"},
                              // 1 / 0.210937511
                              {6, "1", kEcho, "cord"},
                              {6, "1", 5, "4.7407404935199"},
                              {6, "1", 4, "127.9999849483"},
                          });
}

// A cell and its reverse are separate rounded constants; none may be replaced
// by the reciprocal of the other.
TEST(VolumeTable, KeepsReverseCellsThatAreNotReciprocals)
{
    ExpectCells(Volume(),
                {
                    {4, "1", kEcho, "ft3"},
                    {4, "1", 3, "1728.0006297637"},
                    {4, "1", 5, "0.0370370394593"},
                    {3, "1", kEcho, "in3"},
                    {3, "1", 4, "0.0005787034928"},
                    {5, "1", kEcho, "yd3"},
                    {5, "1", 4, "26.9999982342"},
                    {10, "1", kEcho, "cup"},
                    {10, "1", 11, "8.000133905784"},
                    {10, "1", 12, "0.0624999867913"},
                    {11, "1", kEcho, "oz"},
                    {11, "1", 10, "0.1249979078"},
                    {11, "1", 12, "0.0078123676"},
                    // Fluid ounces to cubic metres keeps fewer digits than to cubic centimetres.
                    {11, "1", kEcho, "oz"},
                    {11, "1", 1, "29.57303"},
                    {11, "1", 2, "2.9573E-05"},
                });
}

TEST(VolumeTable, DividesOnlyCordsIntoCubicYards)
{
    ExpectDivisionsExactlyAt(Volume(), {{6, 5, 0.210937511}});
}

}  // namespace
