#pragma once
// The materials a JGJ 55-2011 design names, with what identifies each (kind and grade, size,
// share or dosage, maker and batch) and, for the report, what was measured of it. The design's
// inputs give the kinds and grades; the header's sources (the materials library, or what the
// user typed) the maker, the batch and the admixture's type and solid content; a cited record's
// values are printed in place of typed ones (cited_materials.h).
#include "cited_materials.h"
#include "inputs.h"
#include "report_info.h"
#include "report_page.h"

namespace mixora::jgj55_report {

// The materials' table: the batch ticket's (no test data), or the report's (with `test_data`:
// fce measured, and the densities the volume method used). A mineral admixture or an admixture
// the design does not use is left out. With cited records, each row names its record and the
// table says what the header typed otherwise.
page::Section MaterialSection(const jgj55::Inputs& inputs, const report::ReportInfo& info,
                              const CitedMaterials& cited, bool test_data = false);

} // namespace mixora::jgj55_report
