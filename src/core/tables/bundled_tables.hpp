// Tables of the bundled data folder that derive from more than one official series: the FGTS
// tables (TR and JAM) and the FGTS index-revision tables (TR with INPC or IPCA-E). Each build
// function receives the stored series it names and the table's current contents, and returns
// false when a series it needs is missing.
#pragma once

#include <map>
#include <string>

#include "core/tables/official_series.hpp"
#include "core/toolkit/string_grid.hpp"

namespace corvana::tables {

// Stored series by SERIE name ("tr", "inpc", …).
using SeriesSet = std::map<std::string, Series>;

// The sample JAM 3 % (% a month) of 01/1989 to 02/1991, made-up values: the FGTS tables take
// them for the months before the official TR.
inline constexpr const char* kSampleJamFile = "fgts-jam-exemplo.tab";
// The savings index (fraction a month) of 07/1987 to 01/1991 for the configured-savings month
// tables: sample values (the variation of the TJSP factors plus 0,5 %, not the yield credited),
// handed over as the series "exemplo-poupanca".
inline constexpr const char* kSampleSavingsMonthsFile = "poupanca-mensal-exemplo.tab";
// The URV of 01/11/1993 to 28/02/1994 (CR$): sample values, the series "exemplo-urv".
inline constexpr const char* kSampleUrvFile = "urv-exemplo.tab";

// Revision tables: one row per JAM credit (day 10 of month M), the competence M - 2, the TR of
// the JAM credited in M (the TR of the period that starts on day 1 of M - 1), the yearly 3 % as
// its monthly rate and the index of M - 1. fgtsdifz.tab and ipcaez.tab start with the credit of
// 01/1999, fgtsdifj.tab with that of 03/1991; fgtsdifx.tab and fgtsdifxj.tab are their input
// grids (credit date, deposit date on day 7 of M - 1).
bool buildRevisionInpc(const SeriesSet& s, toolkit::StringGrid& table);        // fgtsdifz.tab
bool buildRevisionInpcInputs(const SeriesSet& s, toolkit::StringGrid& table);  // fgtsdifx.tab
bool buildRevisionInpc1991(const SeriesSet& s, toolkit::StringGrid& table);    // fgtsdifj.tab
bool buildRevisionInpc1991Inputs(const SeriesSet& s,
                                 toolkit::StringGrid& table);             // fgtsdifxj.tab
bool buildRevisionIpcae(const SeriesSet& s, toolkit::StringGrid& table);  // ipcaez.tab
// abre.tab: its presence offers the start in February 1991; it holds no value.
bool buildRevisionStarts(const SeriesSet& s, toolkit::StringGrid& table);

// fgts.tab: month, TR of the month before, JAM 3 % and 6 % of the month with their origin, the
// JAM indices (currency changes built in) and the currency, from 01/1989 to the last published
// JAM (06/2024 in the bundled series) while the TR of the month before is there. A JAM the Caixa
// published is taken as published; the others are computed from the TR. The months before the
// TR (01/1989 to 02/1991) are sample values: the JAM 3 % of the sample table kSampleJamFile,
// which the converter hands over as the series "exemplo-jam".
bool buildFgtsMonths(const SeriesSet& s, toolkit::StringGrid& table);  // fgts.tab
// fgtsmes3.tab / fgtsmes6.tab: the FGTS credit dates with the rate credited for 3 % / 6 %
// accounts (the quarterly credits of 1989 compound their months), from the same months.
bool buildFgtsCredits3(const SeriesSet& s, toolkit::StringGrid& table);
bool buildFgtsCredits6(const SeriesSet& s, toolkit::StringGrid& table);

// mes.tab, mes2.tab, mes3.tab: the month tables of the configured-savings windows. Column 0 the
// month ("JAN/89") or a statement row ("Extrato Fev/89"), 1 the index F (fraction, 6 decimals,
// cut), 3 for a statement row the rate the bank credited, 7 the currency. From 02/1991 on a
// month's index is the yield of a savings account of day 1, (1 + TR) × (1 + juros) − 1, with
// 0,5 % of interest a month up to 04/2012 and the "poupjuros" series from 05/2012 on; the months
// before are the sample series "exemplo-poupanca". A statement row's index is the plan month's
// IPC plus 0,5 %.
bool buildSavingsMonths(const SeriesSet& s, toolkit::StringGrid& table);   // mes.tab
bool buildSavingsMonths2(const SeriesSet& s, toolkit::StringGrid& table);  // mes2.tab
bool buildSavingsMonths3(const SeriesSet& s, toolkit::StringGrid& table);  // mes3.tab
bool savingsMonthsHaveSample(const toolkit::StringGrid& table);

// urvtab.tab: day "dd/mm/yyyy" and the URV of the day (CR$, "1.234,56"): the days of the
// series "urv", the June 1994 values of the URV calculator's own lists for the June days the
// series lacks, and the sample days of "exemplo-urv" before the series' first day.
bool buildUrvDays(const SeriesSet& s, toolkit::StringGrid& table);
bool urvDaysHaveSample(const toolkit::StringGrid& table);

// Whether a table holds rows whose origin column says "exemplo".
bool fgtsMonthsHaveSample(const toolkit::StringGrid& table);
bool fgtsCreditsHaveSample(const toolkit::StringGrid& table);

}  // namespace corvana::tables
