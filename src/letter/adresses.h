#pragma once

class QRegularExpression;

// Web and e-mail addresses in a text ("www.exemple.fr", "https://…", "jean@exemple.fr"),
// without the punctuation that ends a sentence after them. The editor shows them as links;
// spelling leaves them alone.
const QRegularExpression &ExpressionAdresses();
