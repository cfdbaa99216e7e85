// Pictures are embedded here once they exist.
