// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kletochka::authoring {

// The sheet's style: an A4 page per round on paper, the same pages one under
// another on screen.
inline constexpr const char* kHostSheetStyle = R"css(
@page { size: A4 portrait; margin: 0; }
* { box-sizing: border-box; }
html { background: #d8d8d8; }
body { margin: 0; font-family: "Liberation Sans", Arial, Helvetica, sans-serif;
       font-size: 12.5pt; color: #000; line-height: 1.25; }
.page { width: 210mm; height: 297mm; padding: 12mm 12mm 10mm; margin: 8mm auto;
        background: #fff; box-shadow: 0 1mm 3mm rgba(0, 0, 0, 0.3);
        display: flex; flex-direction: column; overflow: hidden;
        break-after: page; page-break-after: always; }
.page:last-child { break-after: auto; page-break-after: auto; }
header { display: flex; justify-content: space-between; align-items: baseline;
         border-bottom: 0.6mm solid #000; padding-bottom: 2mm; margin-bottom: 4mm; }
header h1 { font-size: 20pt; margin: 0; }
header .bank { font-size: 10pt; color: #444; }
.board { flex: 1; min-height: 0; display: grid; grid-template-columns: repeat(3, 1fr);
         grid-template-rows: repeat(3, minmax(0, 1fr)); border: 0.8mm solid #000; }
.cell { border: 0.3mm solid #000; padding: 2.5mm 3mm; display: flex; flex-direction: column;
        overflow: hidden; }
.cell.long { font-size: 10.5pt; }
.cell.longest { font-size: 8pt; line-height: 1.15; }
.cell.longest .letter { font-size: 16pt; margin-bottom: 1mm; }
.letter { font-size: 24pt; font-weight: bold; line-height: 1; margin-bottom: 2mm; }
.question { font-weight: bold; margin: 0 0 2.5mm; overflow-wrap: anywhere; }
.answers { list-style: none; margin: 0; padding: 0; }
.answers li { display: grid; grid-template-columns: 5mm 1fr; margin: 0 0 1.2mm;
              padding: 0.6mm 1.5mm; border: 0.3mm solid transparent; overflow-wrap: anywhere; }
.answers li.right { border-color: #000; border-radius: 1mm; font-weight: bold; }
.answers li.right > span::after { content: "\00a0\2714"; }
.warning { margin-top: auto; font-weight: bold; font-style: italic; }
.empty { color: #777; font-style: italic; font-weight: normal; }
.tally { display: grid; grid-template-columns: 1fr 1fr; gap: 6mm; margin-top: 5mm; }
.tally div { border: 0.5mm solid #000; height: 28mm; padding: 2mm 3mm; font-weight: bold; }
@media print {
  html { background: none; }
  .page { margin: 0; box-shadow: none; }
}
)css";

}  // namespace kletochka::authoring
