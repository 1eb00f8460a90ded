// The hint texts land here.
