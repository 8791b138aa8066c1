// Computes the style of every element of a document, weakest source first:
// the defaults of its tag, its presentational attributes (bgcolor, align,
// <font> ...), the rules of the page's style sheets by specificity and
// order, its style attribute, and last the declarations marked !important.
#pragma once

class THtmlDocument;

void ResolveStyles(THtmlDocument& doc);
