// The report engine is added here.
