package android.os;

import java.io.File;

public class Environment {
    public Environment() { throw new RuntimeException("Stub!"); }

    public static File getRootDirectory() { throw new RuntimeException("Stub!"); }
}
