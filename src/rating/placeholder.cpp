// The rating lands here.
