// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CTOVIXDoc;

// Writes the captured picture of the document in both formats and reads the
// text back independently of the writers, every element of it, whatever the
// picture's size: the values of both must be exactly what the document's
// encoder gives, and FORMAT_1 must declare as many elements as follow.
// Aborts, with the reason on standard error, on any mismatch.
void CheckBothWriters(const CTOVIXDoc& doc);

// Sets aside room for a full store's elements and text before the first
// run: a unit that allocates more than it frees is run a second time by
// libFuzzer's leak check, which would double the dearest units.
void ReserveForFullStore();
