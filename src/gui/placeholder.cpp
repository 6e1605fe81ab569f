// The window classes arrive here.
