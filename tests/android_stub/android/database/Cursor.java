package android.database;

import java.io.Closeable;

public interface Cursor extends Closeable {
    boolean moveToFirst();
    boolean moveToNext();
    int getColumnIndex(String columnName);
    String getString(int columnIndex);
    int getInt(int columnIndex);
    void close();
}
