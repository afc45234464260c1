package android.database.sqlite;

import java.io.Closeable;

public abstract class SQLiteClosable implements Closeable {
    public SQLiteClosable() { throw new RuntimeException("Stub!"); }

    public void close() { throw new RuntimeException("Stub!"); }
}
