#pragma once

// Live GDI objects of this process, for the benchmark and the tests. Wine answers 0 to
// GetGuiResources; there the live entries of the process's GDI handle table give the count.
int gdi_object_count();
