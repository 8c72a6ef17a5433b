// Anchor translation unit of the embedded-asset library; the assets themselves
// are generated sources added with kolvar_embed().
