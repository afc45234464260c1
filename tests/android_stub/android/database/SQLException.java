package android.database;

public class SQLException extends RuntimeException {
    public SQLException() { throw new RuntimeException("Stub!"); }
}
