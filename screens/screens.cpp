// Screens are added here.
