// SPDX-License-Identifier: GPL-3.0-or-later
// Included first by every header of the widgets layer. Only the widgets
// layer's target and those above it define TILLORA_WIDGETS_LAYER, so an
// include of such a header from the core fails to build, however its path is
// spelt.
#ifndef TILLORA_WIDGETS_LAYER
#error "a header of the widgets layer is included from a lower layer"
#endif
