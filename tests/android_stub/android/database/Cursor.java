package android.database;

import java.io.Closeable;

public interface Cursor extends Closeable {
    int getCount();
    boolean moveToFirst();
    boolean moveToNext();
    int getColumnIndex(String columnName);
    int getColumnIndexOrThrow(String columnName) throws IllegalArgumentException;
    String getString(int columnIndex);
    int getInt(int columnIndex);
    long getLong(int columnIndex);
    void close();
}
