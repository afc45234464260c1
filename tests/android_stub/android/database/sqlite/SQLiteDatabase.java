package android.database.sqlite;

import android.content.ContentValues;
import android.database.Cursor;
import android.database.SQLException;

public final class SQLiteDatabase extends SQLiteClosable {
    SQLiteDatabase() {}

    public void execSQL(String sql) throws SQLException { throw new RuntimeException("Stub!"); }
    public long insert(String table, String nullColumnHack, ContentValues values) { throw new RuntimeException("Stub!"); }
    public int update(String table, ContentValues values, String whereClause, String[] whereArgs) { throw new RuntimeException("Stub!"); }
    public int delete(String table, String whereClause, String[] whereArgs) { throw new RuntimeException("Stub!"); }
    public Cursor query(String table, String[] columns, String selection, String[] selectionArgs, String groupBy, String having, String orderBy, String limit) { throw new RuntimeException("Stub!"); }
    public Cursor rawQuery(String sql, String[] selectionArgs) { throw new RuntimeException("Stub!"); }

    public interface CursorFactory {
    }
}
