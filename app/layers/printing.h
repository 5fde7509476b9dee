// SPDX-License-Identifier: GPL-3.0-or-later
// Included first by every header of the printing layer. Only the printing
// layer's target and those above it define TILLORA_PRINTING_LAYER, so an
// include of such a header from the core or the widgets fails to build,
// however its path is spelt.
#ifndef TILLORA_PRINTING_LAYER
#error "a header of the printing layer is included from a lower layer"
#endif
