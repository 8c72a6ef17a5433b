#pragma once

// The cairo drawing library, loaded when the first page is printed rather
// than when a program starts: linking it would load cairo and the dozen
// libraries it needs (pixman, X11, xcb ...) at every start of kolvar-chart,
// which costs every other subcommand about a millisecond of start-up. The
// functions the print chart calls are looked up once by name.

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <string>

namespace kolvar {

// Every cairo function the print chart uses.
// clang-format off
#define KOLVAR_CAIRO_FUNCTIONS(X) \
    X(cairo_create) \
    X(cairo_destroy) \
    X(cairo_status) \
    X(cairo_status_to_string) \
    X(cairo_save) \
    X(cairo_restore) \
    X(cairo_set_source_rgb) \
    X(cairo_set_source_rgba) \
    X(cairo_set_source) \
    X(cairo_set_antialias) \
    X(cairo_pattern_create_radial) \
    X(cairo_pattern_add_color_stop_rgb) \
    X(cairo_pattern_destroy) \
    X(cairo_surface_mark_dirty) \
    X(cairo_image_surface_get_width) \
    X(cairo_image_surface_get_height) \
    X(cairo_set_line_width) \
    X(cairo_set_line_cap) \
    X(cairo_set_line_join) \
    X(cairo_set_dash) \
    X(cairo_set_fill_rule) \
    X(cairo_move_to) \
    X(cairo_line_to) \
    X(cairo_curve_to) \
    X(cairo_arc) \
    X(cairo_close_path) \
    X(cairo_new_path) \
    X(cairo_new_sub_path) \
    X(cairo_rectangle) \
    X(cairo_stroke) \
    X(cairo_fill) \
    X(cairo_fill_preserve) \
    X(cairo_clip) \
    X(cairo_paint) \
    X(cairo_translate) \
    X(cairo_scale) \
    X(cairo_rotate) \
    X(cairo_show_page) \
    X(cairo_set_font_face) \
    X(cairo_set_font_size) \
    X(cairo_set_font_options) \
    X(cairo_show_glyphs) \
    X(cairo_show_text_glyphs) \
    X(cairo_font_options_create) \
    X(cairo_font_options_destroy) \
    X(cairo_font_options_set_hint_style) \
    X(cairo_font_options_set_hint_metrics) \
    X(cairo_font_options_set_antialias) \
    X(cairo_ft_font_face_create_for_ft_face) \
    X(cairo_font_face_destroy) \
    X(cairo_font_face_status) \
    X(cairo_font_face_set_user_data) \
    X(cairo_pdf_surface_create_for_stream) \
    X(cairo_pdf_surface_set_size) \
    X(cairo_pdf_surface_set_metadata) \
    X(cairo_svg_surface_create_for_stream) \
    X(cairo_image_surface_create) \
    X(cairo_image_surface_get_data) \
    X(cairo_image_surface_get_stride) \
    X(cairo_surface_write_to_png_stream) \
    X(cairo_surface_flush) \
    X(cairo_surface_finish) \
    X(cairo_surface_destroy) \
    X(cairo_surface_status) \
    X(cairo_recording_surface_create) \
    X(cairo_set_source_surface)
// clang-format on

struct CairoLibrary {
#define KOLVAR_CAIRO_POINTER(name) decltype(&::name) name = nullptr;
    KOLVAR_CAIRO_FUNCTIONS(KOLVAR_CAIRO_POINTER)
#undef KOLVAR_CAIRO_POINTER
};

// The library, loaded on the first call and kept; nullptr when it cannot be
// loaded or lacks a function, with the reason in `error`.
const CairoLibrary* LoadCairo(std::string& error);

}  // namespace kolvar
